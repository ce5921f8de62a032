// The command line, run as scripts run it: the built program as a process with
// no display at all.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

Outcome run(const QStringList& arguments, const char* platform = nullptr) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // Nothing to connect to: a window or a display connection would fail.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    if (platform)
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLMARK_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "crashed";
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(CommandLineTest, LocatesPositionsWrittenAsTheWindowWritesThem) {
    struct Case {
        const char* longitude;
        const char* latitude;
        const char* locator;
    };
    const Case cases[] = {
        {"113°15'53.76\"E", "23°6'32.02\"N", "OL63PC"},
        {" 113°15'53.76\"E", " 23° 6'32.02\"N", "OL63PC"},  // the window's padded form
        {"113°15'53.76\"e", "23°6'32.02\"n", "OL63PC"},     // typed letters count upper-cased
        {"１１３º１５’５３。７６”ｅ", "２３˚６′３２．０２″Ｎ", "OL63PC"},  // full-width input
        {"0°7'30\"W", "51°30'26\"N", "IO91WM"},
        {"74°0'21\"W", "40°42'46\"N", "FN20XR"},
        {"151°12'30\"E", "33°52'4\"S", "QF56OD"},
        {"58°22'54\"W", "34°36'13\"S", "GF05TJ"},
        {"179°59'59\"E", "89°59'59\"N", "RR99XX"},
        {"179°59'59\"W", "89°59'59\"S", "AA00AA"},
        {"113°15'53\"EW", "23°6'32\"NS", "DG36IV"},  // both letters: the second counts
        {"113°15'53.76\"E", "23°6'32.02\"N", "OL63PC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.longitude) + " " + c.latitude);
        const Outcome r =
            run({"--locate", QString::fromUtf8(c.longitude), QString::fromUtf8(c.latitude)});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, QString::fromLatin1(c.locator) + '\n');
        EXPECT_EQ(r.err, "");
    }
}

TEST(CommandLineTest, BadLinesGiveOneLineOnStandardErrorAndStatusOne) {
    struct Case {
        const char* longitude;
        const char* latitude;
        const char* message;
    };
    const Case cases[] = {
        {"113°15'53\"", "23°6'32\"N",
         "quillmark: the longitude \"113°15'53\"\" has no hemisphere letter E or W"},
        {"113°15'53\"E", "23°6'32\"",
         "quillmark: the latitude \"23°6'32\"\" has no hemisphere letter N or S"},
        {"113°15'E", "23°6'32\"N",
         "quillmark: the longitude \"113°15'E\" has no seconds from 0 to 59"},
        {"113°75'0\"E", "23°6'32\"N",
         "quillmark: the longitude \"113°75'0\"E\" has no minutes from 0 to 59"},
        {"-5°0'0\"E", "23°6'32\"N",
         "quillmark: the longitude \"-5°0'0\"E\" has no degrees from 0 to 179"},
        {"113 °15'53\"E", "23°6'32\"N", "quillmark: '113 ' is not a valid integer value."},
        {"2147483648°0'0\"E", "23°6'32\"N",
         "quillmark: '2147483648' is not a valid integer value."},
        {"179°59'59\"W", "91°0'0\"N", "quillmark: 纬度参数出错！"},
        {"180°0'0\"E", "0°0'0\"N",
         "quillmark: the longitude \"180°0'0\"E\" has no degrees from 0 to 179"},
        {"1°2'3\"E", "0°0'0\"X",
         "quillmark: the latitude \"0°0'0\"X\" has no hemisphere letter N or S"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.longitude) + " " + c.latitude);
        const Outcome r =
            run({"--locate", QString::fromUtf8(c.longitude), QString::fromUtf8(c.latitude)});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "") << "nothing on standard output";
        EXPECT_EQ(r.err, QString::fromUtf8(c.message) + '\n');
    }
}

TEST(CommandLineTest, HelpVersionAndUsageErrors) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--locate")) << help.out.toStdString();
    EXPECT_EQ(help.err, "");

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quillmark 1.0.2.383 (Quillmark V1.0)\n");

    struct Case {
        QStringList arguments;
        const char* firstLine;
    };
    const Case usage[] = {
        {{"--locate"},
         "quillmark: --locate takes two lines, the longitude and the latitude, not 0"},
        {{"--locate", "1°0'0\"E"},
         "quillmark: --locate takes two lines, the longitude and the latitude, not 1"},
        {{"--locate", "a", "b", "c"}, "quillmark: unexpected argument 'c'"},
        {{"--version", "--bogus"}, "quillmark: Unknown option 'bogus'."},
        {{"--locate", "1°0'0\"E", "1°0'0\"N", "extra"}, "quillmark: unexpected argument 'extra'"},
    };
    for (const Case& c : usage) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, QString::fromUtf8(c.firstLine) + "\nTry 'quillmark --help'.\n");
    }
}

TEST(CommandLineTest, TheWindowTakesNoArguments) {
    const Outcome r = run({"113"}, "offscreen");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    // Qt may add its own warnings about the session before ours.
    EXPECT_TRUE(
        r.err.endsWith("quillmark: unexpected argument '113'; the window takes none.\n"
                       "Try 'quillmark --help'.\n"))
        << r.err.toStdString();
}

}  // namespace
