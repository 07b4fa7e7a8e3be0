// The class object of one class the stand-in serves: each new instance is a ModelDispatch over
// an object that the maker gives.
#pragma once

#include <unknwn.h>
#include <windows.h>

#include <functional>

#include "ModelDispatch.h"

namespace standin {

class ClassFactory final : public IClassFactory {
  public:
    // make may throw a platform::Failure: the activation then fails.
    ClassFactory(std::function<platform::ObjectRef()> make, AfterCall afterCall);
    ClassFactory(const ClassFactory&) = delete;
    ClassFactory& operator=(const ClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    // The object lives as long as the stand-in's main function: counting is for COM only.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

  private:
    std::function<platform::ObjectRef()> make_;
    AfterCall afterCall_;
};

// Registers a class object for other processes and revokes it when it goes.
class ClassRegistration {
  public:
    ClassRegistration(REFCLSID clsid, IClassFactory* factory);
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;
    ~ClassRegistration();

    HRESULT Result() const { return result_; }
    // Revokes it now (once); a process that ends without it leaves a stale registration.
    void Revoke();

  private:
    DWORD cookie_ = 0;
    HRESULT result_;
};

}  // namespace standin
