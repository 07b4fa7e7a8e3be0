#include "ClassFactory.h"

#include <objbase.h>

namespace standin {

ClassFactory::ClassFactory(std::function<platform::ObjectRef()> make, AfterCall afterCall)
    : make_(std::move(make)), afterCall_(std::move(afterCall)) {}

HRESULT STDMETHODCALLTYPE ClassFactory::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (outer != nullptr) {
        return CLASS_E_NOAGGREGATION;
    }
    HRESULT hr = E_FAIL;
    try {
        platform::ObjectRef made = make_();
        if (afterCall_) {
            afterCall_(platform::Text());
        }
        if (made == nullptr) {
            return E_FAIL;
        }
        ModelDispatch* dispatch = ModelDispatch::Create(std::move(made), afterCall_);
        hr = dispatch->QueryInterface(iid, object);
        dispatch->Release();
    } catch (const platform::ServerBusy&) {
        hr = RPC_E_CALL_REJECTED;
    } catch (...) {
        if (afterCall_) {
            afterCall_(platform::Text());
        }
        hr = CO_E_SERVER_EXEC_FAILURE;
    }
    return hr;
}

ClassRegistration::ClassRegistration(REFCLSID clsid, IClassFactory* factory)
    : result_(CoRegisterClassObject(clsid, factory, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE,
                                    &cookie_)) {}

ClassRegistration::~ClassRegistration() {
    Revoke();
}

void ClassRegistration::Revoke() {
    if (SUCCEEDED(result_) && cookie_ != 0) {
        CoRevokeClassObject(cookie_);
        cookie_ = 0;
    }
}

}  // namespace standin
