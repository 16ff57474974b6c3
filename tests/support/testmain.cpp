#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

// Every test program: offscreen widgets, an alias file of its own, and the PostgreSQL run
// skipped (exit 77) when no server is named.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariable("TEKVO_TEST_BACKEND") == QLatin1String("postgres") &&
        qEnvironmentVariableIsEmpty("TEKVO_TEST_PG")) {
        std::puts("TEKVO_TEST_PG is not set: no PostgreSQL server to test on");
        return 77;
    }
    QTemporaryDir home;
    qputenv("TEKVO_ALIASES", home.filePath(QStringLiteral("aliases.ini")).toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
