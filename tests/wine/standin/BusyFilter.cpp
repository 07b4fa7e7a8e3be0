#include "BusyFilter.h"

#include "sim/act/ActModel.h"

namespace standin {

HRESULT STDMETHODCALLTYPE BusyFilter::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

DWORD STDMETHODCALLTYPE BusyFilter::HandleInComingCall(DWORD, HTASK, DWORD,
                                                       LPINTERFACEINFO interfaceInfo) {
    // Calls of COM's own bookkeeping (references, interface queries) are always taken; a busy
    // ACT! refuses the work: calls to its objects and the making of new ones.
    bool work = interfaceInfo == nullptr || IsEqualIID(interfaceInfo->iid, IID_IDispatch) ||
                IsEqualIID(interfaceInfo->iid, IID_IClassFactory);
    if (work && state_.busy && platform::actmodel::RejectsCall(state_, platform::Text())) {
        return SERVERCALL_REJECTED;
    }
    return SERVERCALL_ISHANDLED;
}

DWORD STDMETHODCALLTYPE BusyFilter::RetryRejectedCall(HTASK, DWORD, DWORD) {
    return static_cast<DWORD>(-1);  // the stand-in calls no one
}

DWORD STDMETHODCALLTYPE BusyFilter::MessagePending(HTASK, DWORD, DWORD) {
    return PENDINGMSG_WAITDEFPROCESS;
}

FilterRegistration::FilterRegistration(IMessageFilter* filter)
    : result_(CoRegisterMessageFilter(filter, &previous_)) {}

FilterRegistration::~FilterRegistration() {
    if (SUCCEEDED(result_)) {
        IMessageFilter* ours = nullptr;
        CoRegisterMessageFilter(previous_, &ours);
        if (ours != nullptr) {
            ours->Release();
        }
        if (previous_ != nullptr) {
            previous_->Release();
        }
    }
}

}  // namespace standin
