#include <gtest/gtest.h>

#include <QStandardPaths>
#include <QTemporaryDir>

#include "PackageBuild.h"

namespace {

// Debian's own checker on the package: no error and no warning. What it
// notes below that level (pedantic, info) is explained in the README.
TEST(LintianTest, FindsNoErrorOrWarningInThePackage) {
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    if (lintian.isEmpty())
        GTEST_SKIP() << "lintian is missing";
    const QTemporaryDir packages;
    QByteArray log;
    const QString package = BuildPackage(packages.path(), log);
    ASSERT_FALSE(package.isEmpty()) << log.toStdString();

    QByteArray report;
    const bool passed =
        RunTool(lintian, {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), package},
                &report, 240000);
    EXPECT_TRUE(passed) << report.toStdString();
    for (const QByteArray& line : report.split('\n'))
        EXPECT_FALSE(line.startsWith("E: ") || line.startsWith("W: ")) << line.toStdString();
}

} // namespace
