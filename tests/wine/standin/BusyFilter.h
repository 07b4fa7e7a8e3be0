// The stand-in's message filter: while the simulated ACT! is busy with every call, incoming
// calls are rejected (SERVERCALL_REJECTED), as a real ACT! does while it shows a dialog or works
// on a long task. The client gets RPC_E_CALL_REJECTED, also for the activation of the server.
#pragma once

#include <objbase.h>
#include <windows.h>

#include "sim/act/ActState.h"

namespace standin {

class BusyFilter final : public IMessageFilter {
  public:
    explicit BusyFilter(platform::actmodel::ActState& state) : state_(state) {}
    BusyFilter(const BusyFilter&) = delete;
    BusyFilter& operator=(const BusyFilter&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    // The filter lives as long as the stand-in's main function: counting is for COM only.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                               LPINTERFACEINFO interfaceInfo) override;
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount,
                                              DWORD rejectType) override;
    DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount,
                                           DWORD pendingType) override;

  private:
    platform::actmodel::ActState& state_;
};

// Installs the filter for the calling thread's apartment and takes it away again.
class FilterRegistration {
  public:
    explicit FilterRegistration(IMessageFilter* filter);
    ~FilterRegistration();
    FilterRegistration(const FilterRegistration&) = delete;
    FilterRegistration& operator=(const FilterRegistration&) = delete;

  private:
    IMessageFilter* previous_ = nullptr;
    HRESULT result_;
};

}  // namespace standin
