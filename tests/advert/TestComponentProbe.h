#pragma once

// Reads what a test build of the component recorded. The probe holds a
// load of its own, straight from the system's loader, so the record stays
// readable after the program's side has unloaded the component.

#include "TestComponent.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

class TestComponentProbe
{
  public:
    explicit TestComponentProbe(const char *path) : myHandle(dlopen(path, RTLD_NOW))
    {
        EXPECT_NE(myHandle, nullptr) << dlerror();
        calls = static_cast<TestComponentCalls *>(dlsym(myHandle, TestComponentCallsSymbol));
        *calls = {};
    }
    TestComponentProbe(const TestComponentProbe &) = delete;
    TestComponentProbe &operator=(const TestComponentProbe &) = delete;
    ~TestComponentProbe() { dlclose(myHandle); }

    TestComponentCalls *calls;

  private:
    void *myHandle;
};

// The file is loaded in this process now.
inline bool IsLoaded(const char *path)
{
    void *handle = dlopen(path, RTLD_LAZY | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}
