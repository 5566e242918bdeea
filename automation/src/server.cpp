// The class factory of VLMCalculator and the entry points through which the platform reaches
// it: DllGetClassObject and DllCanUnloadNow.
#include <objbase.h>
#include <windows.h>

#include <atomic>
#include <new>

#include "calculator.hpp"
#include "identifiers.hpp"
#include "module.hpp"

extern "C" IMAGE_DOS_HEADER __ImageBase;  // this library's own image, provided by the linker

namespace vlm::automation {
namespace {

std::atomic<long> moduleLocks{0};

// The one factory, a static object that lives as long as the library is loaded.  It is never
// deleted: its reference count only tells whether a client still holds it.
class Factory final : public IClassFactory {
 public:
  constexpr Factory() = default;

  bool held() const { return clients_.load() > 0; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
      *object = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++clients_) + 1; }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--clients_) + 1; }

  // A new object for every call; aggregation is not supported.
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* calculator = new (std::nothrow) Calculator;
    if (!calculator) return E_OUTOFMEMORY;
    const HRESULT hr = calculator->QueryInterface(riid, object);
    calculator->Release();  // the object's own reference: it goes if the query failed
    return hr;
  }

  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock)
      lockModule();
    else
      unlockModule();
    return S_OK;
  }

 private:
  std::atomic<long> clients_{0};
};

Factory factory;

}  // namespace

void lockModule() { ++moduleLocks; }
void unlockModule() { --moduleLocks; }
bool moduleLocked() { return moduleLocks.load() != 0; }
HMODULE moduleHandle() { return reinterpret_cast<HMODULE>(&__ImageBase); }

}  // namespace vlm::automation

using namespace vlm::automation;

// The module has this one class; its factory list is fixed at build time and never changes,
// so looking a class up needs no lock.
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualCLSID(clsid, kClassId)) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(riid, object);
}

// The library stays loaded while objects live, LockServer holds it, or a client holds the factory.
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() {
  return (moduleLocked() || factory.held()) ? S_FALSE : S_OK;
}
