// A COM automation object over an object of the simulated ACT!: IDispatch by member name,
// without a type library. Arguments arrive as the standard marshaller hands them (by reference
// where the caller passed them so); an error of the model becomes DISP_E_EXCEPTION with its
// number and description, a call the busy model rejects RPC_E_CALL_REJECTED; objects the model
// returns are handed out as new ModelDispatch objects.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <atomic>
#include <functional>

#include "platform/Automation.h"

namespace standin {

// Called after every call and every release that reached the model, so that the journal on
// disk keeps up; the member name is given for calls, empty for releases.
using AfterCall = std::function<void(const platform::Text& member)>;

class ModelDispatch final : public IDispatch {
  public:
    // Returns the new object with one reference.
    static ModelDispatch* Create(platform::ObjectRef object, AfterCall afterCall);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

  private:
    ModelDispatch(platform::ObjectRef object, AfterCall afterCall);
    ~ModelDispatch();

    std::atomic<ULONG> references_{1};
    platform::ObjectRef object_;
    AfterCall afterCall_;
};

}  // namespace standin
