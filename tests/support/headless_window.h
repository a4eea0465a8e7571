#pragma once
// A test whose graphics window is open on a headless backend: drawing goes to the picture,
// keys come from `backend`'s script.
#include <gtest/gtest.h>

#include "platform/WinGraph.h"
#include "platform/headless.h"

namespace testing_support {

class HeadlessWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetBackend(&backend);
        int16_t driver = 2, mode = 4;
        InitGraph(driver, mode, "test");
    }
    void TearDown() override {
        CloseGraph();
        SetBackend(nullptr);
    }
    HeadlessBackend backend;
};

}  // namespace testing_support
