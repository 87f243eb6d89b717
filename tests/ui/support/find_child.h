#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>

namespace cantiva::test_support {

// The child of `parent` with the object name `name`; a test failure when there is none.
template <typename T> T* Child(const QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace cantiva::test_support
