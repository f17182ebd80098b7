// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <gtest/gtest.h>

#include <exception>
#include <string>
#include <typeinfo>

#include "core/failure.h"

// Success when f() throws exactly an E (not a subclass) whose text is text.
template <class E, class F>
::testing::AssertionResult FailsWith(F&& f, const std::string& text)
{
    try {
        f();
    } catch (const std::exception& e) {
        if (typeid(e) != typeid(E)) {
            return ::testing::AssertionFailure() << "threw " << typeid(e).name() << ": " << e.what();
        }
        if (e.what() != text) return ::testing::AssertionFailure() << "text was: " << e.what();
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "nothing was thrown";
}

// For a column list macro: the getter and setter of column name on `test` both
// fail with the logic error `noRecord` while the aggregate has no test record.
#define KO_EXPECT_FORWARDER_FAILS(name, kind, description)                                    \
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { (void)test.Get##name(); }, noRecord)) << #name; \
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.Set##name({}); }, noRecord)) << #name;
