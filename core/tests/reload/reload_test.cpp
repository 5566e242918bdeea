// The library as a plugin host sees it: unloading it and loading it again must start afresh,
// with the default settings and no pending error code.
#include <dlfcn.h>
#include <gtest/gtest.h>

namespace {

struct Library {
  void* handle = ::dlopen(VLM_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
  ~Library() {
    if (handle) ::dlclose(handle);
  }
  template <class F>
  F* get(const char* name) const {
    return reinterpret_cast<F*>(::dlsym(handle, name));
  }
};

TEST(Reload, UnloadingForgetsTheSettings) {
  int defaultIterations = 0;
  for (int load = 0; load < 2; ++load) {
    Library library;
    ASSERT_NE(library.handle, nullptr) << ::dlerror();
    auto get = library.get<int()>("vlmGETMAXITERATION");
    auto set = library.get<int(int)>("vlmSETMAXITERATION");
    auto error = library.get<int(int)>("vlmSETLASTERROR");
    ASSERT_TRUE(get && set && error);
    if (load == 0) {
      defaultIterations = get();
      set(defaultIterations + 7);
      error(3);
    } else {
      EXPECT_EQ(get(), defaultIterations);
      EXPECT_EQ(library.get<int()>("vlmGETLASTERROR")(), 0);
    }
  }
  EXPECT_EQ(::dlopen(VLM_LIBRARY_PATH, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library stays loaded";
}

}  // namespace
