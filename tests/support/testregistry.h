// SPDX-License-Identifier: GPL-3.0-or-later
// Force-included before every test source: all test classes are linked into one program, so QTEST_MAIN
// and its kin enter the class in a registry instead of defining main(). support/testmain.cpp runs the
// class named on the command line, one class per process, as a program of its own would.

#pragma once

#include "files/language.h"

#include <QApplication>
#include <QtTest>

#include <optional>
#include <type_traits>

namespace txtest {

using Run = int (*)(int argc, char **argv);

// Enters the test of the source file `source` (tst_link for .../tst_link.cpp); returns true.
bool add(const char *source, Run run);

// For QTEST_APPLESS_MAIN: the test makes its own application, if any.
struct NoApplication {
    NoApplication(int &, char **) {}
    void setAttribute(Qt::ApplicationAttribute, bool) {}
};

// What Qt's main() for a test does.
template <class Test, class Application> int run(int argc, char **argv, const char *source)
{
    QTest::Internal::callInitMain<Test>();
    Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    // English as the programs speak it, its plural forms included, whatever the machine's language.
    std::optional<Translations> english;
    if constexpr (!std::is_same_v<Application, NoApplication>) english.emplace(QStringLiteral("en"));
    Test test;
    QTest::setMainSourcePath(source);
    return QTest::qExec(&test, argc, argv);
}

} // namespace txtest

#define TXTEST_REGISTER(TestObject, Application)                                                             \
    static const bool txtestRegistered = txtest::add(__FILE__, [](int argc, char **argv) {                   \
        return txtest::run<TestObject, Application>(argc, argv, __FILE__);                                   \
    });

#undef QTEST_MAIN
#undef QTEST_GUILESS_MAIN
#undef QTEST_APPLESS_MAIN
#define QTEST_MAIN(TestObject) TXTEST_REGISTER(TestObject, QApplication)
#define QTEST_GUILESS_MAIN(TestObject) TXTEST_REGISTER(TestObject, QCoreApplication)
#define QTEST_APPLESS_MAIN(TestObject) TXTEST_REGISTER(TestObject, txtest::NoApplication)
