// The command line, run as scripts run it: the built program as a process with
// no display at all.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <tuple>

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
    bool crashed = false;
};

// Runs the program with no display to connect to, `input` on its standard input
// (and no core file should Qt give up), on a desktop that names no language
// unless `desktop` ("LANG=zh_TW.UTF-8" ...) says otherwise.
Outcome run(const QStringList& arguments, const QByteArray& input = {},
            const QStringList& desktop = {}) {
    QProcess process;
    process.setChildProcessModifier([] {
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
    });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString& variable : desktop)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUILLMARK_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(20000)) << arguments.join(' ').toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()),
            process.exitStatus() != QProcess::NormalExit};
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
        // The seconds' fraction counts, exactly: 0°5'0.5" W lies west of the
        // edge at 5' W, where the window's whole seconds put it east.
        {"0°5'0.5\"W", "0°0'0\"N", "IJ90WA"},
        {"0°5'0\"W", "0°0'0\"N", "IJ90XA"},
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

TEST(CommandLineTest, TakesOptionsInAnyOrderAndLocatesAtEveryPrecision) {
    const QString lon = QStringLiteral("113°15'53.76\"E"), lat = QStringLiteral("23°6'32.02\"N");
    const std::pair<QStringList, const char*> cases[] = {
        {{"--locate", lon, lat, "--precision", "10"}, "OL63PC16TD"},
        {{"--precision", "10", "--locate", lon, lat}, "OL63PC16TD"},
        {{"--precision=8", "--locate", lon, lat}, "OL63PC16"},
        {{"-locate", lon, lat, "-precision", "4"}, "OL63"},
        {{"--locate", lon, lat, "--precision", "2"}, "OL"},
        // Carried by the offset onto 180 E and 90 N: the last cell.
        {{"--locate", "179°59'59.9999999\"E", "89°59'59.9999999\"N", "--precision", "10"},
         "RR99XX99XX"},
    };
    for (const auto& [arguments, locator] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, QString::fromLatin1(locator) + '\n');
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
        {"1\n°0'0\"E", "0°0'0\"N", "quillmark: '1\\x0A' is not a valid integer value."},
        {"179°59'59\"W", "91°0'0\"N", "quillmark: 纬度参数出错！"},
        {"0°0'0\"E", "90°0'0\"N", "quillmark: 纬度参数出错！"},
        {"180°0'0\"E", "0°0'0\"N",
         "quillmark: the longitude \"180°0'0\"E\" has no degrees from 0 to 179"},
        {"1°2'3\"E", "0°0'0\"X",
         "quillmark: the latitude \"0°0'0\"X\" has no hemisphere letter N or S"},
        {"1°2'3.0000000000000000001\"E", "0°0'0\"N",
         "quillmark: the longitude \"1°2'3.0000000000000000001\"E\" has a fraction of a second "
         "that is not up to 18 decimal digits"},
        {"1°2'3\"\n", "0°0'0\"N",
         "quillmark: the longitude \"1°2'3\"\\x0A\" has no hemisphere letter E or W"},
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

// One word after --locate is a position in any notation the reader takes; the
// reader's own table is in the locator's tests.
TEST(CommandLineTest, LocatesOnePositionTextOrRefusesItForItsReason) {
    const std::tuple<QStringList, int, const char*> cases[] = {
        {{"--locate", "23.1089, 113.2649"}, 0, "OL63PC\n"},
        {{"--locate", "北纬 23°06′32.04″ 东经 113°15′53.64″", "--precision", "10"},
         0,
         "OL63PC16SD\n"},
        {{"--precision=8", "--locate", "geo:-33.8675,151.2070"}, 0, "QF56OD41\n"},
        {{"--locate", "1°0'0\"E"},
         1,
         "quillmark: the position \"1°0'0\"E\" has one value; a position needs the latitude "
         "and the longitude\n"},
        {{"--locate", "1°0'0\"E", "--precision", "8"},
         1,
         "quillmark: the position \"1°0'0\"E\" has one value; a position needs the latitude "
         "and the longitude\n"},
        {{"--locate", "23,1089, 113,2649"},
         1,
         "quillmark: the position \"23,1089, 113,2649\" has a comma between digits: a decimal "
         "comma or a separator?\n"},
        {{"--locate", "https://j.map.baidu.com/x"},
         1,
         "quillmark: the link \"https://j.map.baidu.com/x\" is to Baidu Maps, whose coordinates "
         "are deliberately offset from WGS-84\n"},
    };
    for (const auto& [arguments, status, output] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, status);
        EXPECT_EQ(status == 0 ? r.out : r.err, QString::fromUtf8(output));
        EXPECT_EQ(status == 0 ? r.err : r.out, "");
    }
}

TEST(CommandLineTest, PrintsTheCentreAndCornersOfALocator) {
    const std::pair<const char*, const char*> cases[] = {
        {"OL63PC",
         "centre 113°17'30\"E 23°6'15\"N\n"
         "south-west 113°15'0\"E 23°5'0\"N\n"
         "north-east 113°20'0\"E 23°7'30\"N\n"},
        {"jo62qm",
         "centre 13°22'30\"E 52°31'15\"N\n"
         "south-west 13°20'0\"E 52°30'0\"N\n"
         "north-east 13°25'0\"E 52°32'30\"N\n"},
        {"AA",
         "centre 170°0'0\"W 85°0'0\"S\n"
         "south-west 180°0'0\"W 90°0'0\"S\n"
         "north-east 160°0'0\"W 80°0'0\"S\n"},
        {"RR99XX99XX",
         "centre 179°59'59.375\"E 89°59'59.6875\"N\n"
         "south-west 179°59'58.75\"E 89°59'59.375\"N\n"
         "north-east 180°0'0\"E 90°0'0\"N\n"},
        {"II99XX99XX",
         "centre 0°0'0.625\"W 0°0'0.3125\"S\n"
         "south-west 0°0'1.25\"W 0°0'0.625\"S\n"
         "north-east 0°0'0\"E 0°0'0\"N\n"},
    };
    for (const auto& [locator, lines] : cases) {
        SCOPED_TRACE(locator);
        const Outcome r = run({"--position", locator});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, QString::fromUtf8(lines));
        EXPECT_EQ(r.err, "");
        // The printed centre locates back at the locator's own length.
        const QStringList centre = r.out.section('\n', 0, 0).split(' ');
        ASSERT_EQ(centre.size(), 3);
        const Outcome back = run(
            {"--locate", centre[1], centre[2], "--precision", QString::number(qstrlen(locator))});
        EXPECT_EQ(back.out, QString::fromLatin1(locator).toUpper() + '\n');
    }
}

TEST(CommandLineTest, GivesDistanceAndAzimuthBothWaysRound) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--distance", "OL63PC", "JO62QM"}, "8641.607 km 322.1°\nlong path 31377.005 km 142.0°\n"},
        {{"--distance", "AA", "rr"}, "18904.039 km 350.0°\nlong path 21103.832 km 170.0°\n"},
    };
    for (const auto& [arguments, lines] : cases) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, QString::fromUtf8(lines));
        EXPECT_EQ(r.err, "");
    }
}

TEST(CommandLineTest, ATextThatIsNoLocatorIsRefusedForWhatIsWrong) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--position", "OL6"},
         "the locator \"OL6\" has an odd number of characters (3); a locator has 2, 4, 6, 8 or 10"},
        {{"--position", ""}, "the locator \"\" has 0 characters; a locator has 2 to 10"},
        {{"--position", "OL63PC12AB3"},
         "the locator \"OL63PC12AB3\" has 11 characters; a locator has 2 to 10"},
        {{"--position", "OL6#"},
         "the locator \"OL6#\" has \"#\" at 4, which is neither a letter nor a digit"},
        {{"--position", "SL"},
         "the locator \"SL\" has \"S\" at 1 where a field letter goes, A to R"},
        // A control character that a terminal might obey is shown, not sent.
        {{"--position", QString::fromUtf8("OL\u009B3")},
         "the locator \"OL\\xC2\\x9B3\" has \"\\xC2\\x9B\" at 3, which is neither a letter nor "
         "a digit"},
        {{"--distance", "OL63PC", "JO62QY"},
         "the locator \"JO62QY\" has \"Y\" at 6 where a subsquare letter goes, A to X"},
        {{"--distance", "OL63PC", "JO62QM1a"},
         "the locator \"JO62QM1a\" has \"a\" at 8 where an extended square digit goes, 0 to 9"},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "quillmark: " + QString::fromUtf8(message) + '\n');
    }
}

TEST(CommandLineTest, ConvertsStandardInputLineByLine) {
    const Outcome r = run({"--locate", "-"},
                          "113°15'53.76\"E\t23°6'32.02\"N\n"
                          "74°0'21\"W\t40°42'46\"N\r\n"
                          "\n"
                          "179°59'59\"W\t91°0'0\"N\n"
                          "1°0'0\"E\t2°0'0\"N\t3\n"
                          "０°０'０\"ｅ\t０°０'０\"ｎ\n"
                          "40.7128, -74.0060\r\n"
                          "40.7128 -74,0060");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "OL63PC\nFN20XR\n\n\n\nJJ00AA\nFN20XR\n\n");
    EXPECT_EQ(r.err,
              "line 3: the position \"\" is empty\n"
              "line 4: 纬度参数出错！\n"
              "line 5: more than one tab; a line holds two columns\n"
              "line 8: the position \"40.7128 -74,0060\" has a comma between digits: a decimal "
              "comma or a separator?\n");

    const Outcome empty = run({"--locate", "-"});
    EXPECT_EQ(empty.status, 0);
    EXPECT_EQ(empty.out, "");
    EXPECT_EQ(empty.err, "");

    // Lines across many reads, one far longer than a read, and a precision.
    QByteArray many;
    for (int i = 0; i < 100'000; ++i) many += "113°15'53.76\"E\t23°6'32.02\"N\n";
    many += QByteArray(3'000'000, 'x') + "\n0°0'0\"E\t0°0'0\"N\n";
    const Outcome bulk = run({"--precision", "10", "--locate", "-"}, many);
    EXPECT_EQ(bulk.status, 1);
    EXPECT_EQ(bulk.out.size(), 100'000 * 11 + 1 + 11);
    EXPECT_TRUE(bulk.out.startsWith("OL63PC16TD\nOL63PC16TD\n"));
    EXPECT_TRUE(bulk.out.endsWith("OL63PC16TD\n\nJJ00AA00AA\n"));
    EXPECT_EQ(bulk.err, "line 100001: the position \"" + QString(3'000'000, 'x') +
                            "\" is written in no notation quillmark reads\n");
}

TEST(CommandLineTest, AnOutputThatCannotBeWrittenIsAFailure) {
    for (const QStringList& arguments :
         {QStringList{"--locate", "1°0'0\"E", "1°0'0\"N"}, QStringList{"--locate", "-"},
          QStringList{"--position", "OL63"}}) {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUILLMARK_PROGRAM), arguments);
        process.write("1°0'0\"E\t1°0'0\"N\n");
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(process.readAllStandardError(),
                  "quillmark: cannot write the output: No space left on device\n");
    }
}

TEST(CommandLineTest, HelpAndVersion) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--locate", "--precision", "--position", "--distance", "--help-all"})
        EXPECT_TRUE(help.out.contains(option)) << option;
    EXPECT_FALSE(help.out.contains("-platform"));
    EXPECT_EQ(help.err, "");

    const Outcome all = run({"--help-all"});
    EXPECT_EQ(all.status, 0);
    EXPECT_TRUE(all.out.startsWith(help.out));
    EXPECT_TRUE(all.out.contains("-platform") && all.out.contains("-qwindowgeometry"));

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quillmark 1.0.2.383 (Quillmark V1.0)\n");
}

// Decided before any display is opened: these run without one.
TEST(CommandLineTest, AnythingNotUnderstoodIsOneLineAndStatusTwo) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--locate"},
         "--locate takes a position, two lines (the longitude and the latitude) or - for "
         "standard input, not 0"},
        {{"--locate", "a", "b", "c"}, "unexpected argument 'c'"},
        {{"--version", "--bogus"}, "unknown option '--bogus'"},
        {{"-x"}, "unknown option '-x'"},
        {{"foo", "bar"}, "unexpected argument 'foo'"},
        {{"113"}, "unexpected argument '113'"},
        {{"--", "-platform"}, "unexpected argument '-platform'"},
        {{"-platform=offscreen"}, "unknown option '-platform=offscreen'"},
        {{"-platform"}, "option -platform needs a value"},
        {{"--help=1"}, "unknown option '--help=1'"},
        {{"--precision", "7", "--locate", "a", "b"}, "--precision takes 2, 4, 6, 8 or 10, not '7'"},
        {{"--precision", "8"}, "--precision goes with --locate"},
        {{"--position", "OL", "--precision", "8"}, "--precision goes with --locate"},
        {{"--position"}, "option --position needs a value"},
        {{"--distance", "OL63"}, "--distance takes two locators, not 1"},
        {{"--position", "OL", "--distance", "AA", "BB"},
         "give one of --locate, --position and --distance, once"},
    };
    for (const auto& [arguments, problem] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome r = run(arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "quillmark: " + QString::fromUtf8(problem) + "; try 'quillmark --help'\n");
    }
}

// Columns a terminal gives `line`: two for each East Asian wide character.
int columns(const QString& line) {
    int width = 0;
    for (const char32_t c : line.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6);
        width += wide ? 2 : 1;
    }
    return width;
}

// Messages and help follow the desktop by the window's rule; what scripts
// read (standard output, "quillmark: ", "line N: ", the statuses) does not.
TEST(CommandLineTest, SpeaksTheDesktopsLanguage) {
    struct Desktop {
        QStringList environment;
        const char* usage;    // --precision %1 --locate a b: no value is read as a pattern
        const char* refusal;  // --position SL
        const char* notice;   // the latitude out of range
        const char* tabs;     // a batch line with two tabs
        const char* help;     // --help's first line
    };
    const Desktop desktops[] = {
        {{"LANG=C.UTF-8"},
         "--precision takes 2, 4, 6, 8 or 10, not '%1'; try 'quillmark --help'",
         "the locator \"SL\" has \"S\" at 1 where a field letter goes, A to R",
         "纬度参数出错！",
         "more than one tab; a line holds two columns",
         "Usage: quillmark [OPTION]..."},
        // Qt finds no language it knows: the texts as written, through Qt.
        {{"LANG=xx_YY.UTF-8"},
         "--precision takes 2, 4, 6, 8 or 10, not '%1'; try 'quillmark --help'",
         "the locator \"SL\" has \"S\" at 1 where a field letter goes, A to R",
         "纬度参数出错！",
         "more than one tab; a line holds two columns",
         "Usage: quillmark [OPTION]..."},
        {{"LC_ALL=de_DE.UTF-8", "LANG=zh_TW.UTF-8"},
         "--precision takes 2, 4, 6, 8 or 10, not '%1'; try 'quillmark --help'",
         "the locator \"SL\" has \"S\" at 1 where a field letter goes, A to R",
         "Latitude out of range!",
         "more than one tab; a line holds two columns",
         "Usage: quillmark [OPTION]..."},
        {{"LANGUAGE=fr:zh_HK", "LANG=C"},
         "--precision 只接受 2、4、6、8 或 10，而不是「%1」；請嘗試執行「quillmark --help」",
         "網格「SL」的第 1 個字元是「S」，此處應為場字母（A 到 R）",
         "緯度參數出錯！",
         "Tab 字元多於一個；每行只有兩欄",
         "用法：quillmark [選項]..."},
        {{"LC_MESSAGES=zh_CN.UTF-8", "LANG=en_GB.UTF-8"},
         "--precision 只接受 2、4、6、8 或 10，而不是“%1”；请尝试执行“quillmark --help”",
         "网格“SL”的第 1 个字符是“S”，此处应为场字母（A 到 R）",
         "纬度参数出错！",
         "制表符多于一个；每行只有两列",
         "用法：quillmark [选项]..."},
    };
    const Outcome untranslatedHelp = run({"--help-all"});
    for (const Desktop& d : desktops) {
        const auto on = [&](const QStringList& arguments, const QByteArray& input = {}) {
            return run(arguments, input, d.environment);
        };
        SCOPED_TRACE(d.environment.join(' ').toStdString());
        const Outcome usage = on({"--precision", "%1", "--locate", "a", "b"});
        EXPECT_EQ(usage.status, 2);
        EXPECT_EQ(usage.err, "quillmark: " + QString::fromUtf8(d.usage) + '\n');
        const Outcome refusal = on({"--position", "SL"});
        EXPECT_EQ(refusal.status, 1);
        EXPECT_EQ(refusal.err, "quillmark: " + QString::fromUtf8(d.refusal) + '\n');
        const Outcome notice = on({"--locate", "0°0'0\"E", "90°0'0\"N"});
        EXPECT_EQ(notice.status, 1);
        EXPECT_EQ(notice.err, "quillmark: " + QString::fromUtf8(d.notice) + '\n');
        const Outcome batch = on({"--locate", "-"}, "1°0'0\"E\t2°0'0\"N\t3\n0°0'0\"E\t90°0'0\"N\n");
        EXPECT_EQ(batch.status, 1);
        EXPECT_EQ(batch.out, "\n\n");
        EXPECT_EQ(batch.err, "line 1: " + QString::fromUtf8(d.tabs) +
                                 "\nline 2: " + QString::fromUtf8(d.notice) + '\n');

        // Data stays data: the names of a square's points are read by scripts.
        EXPECT_EQ(on({"--position", "OL63"}).out,
                  "centre 113°0'0\"E 23°30'0\"N\nsouth-west 112°0'0\"E 23°0'0\"N\n"
                  "north-east 114°0'0\"E 24°0'0\"N\n");

        // The whole help, options as they are, fits an 80-column terminal.
        const Outcome help = on({"--help-all"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.section('\n', 0, 0), QString::fromUtf8(d.help));
        if (QByteArray(d.help).startsWith("Usage")) {
            EXPECT_EQ(help.out, untranslatedHelp.out);
        }
        for (const char* option : {"--locate", "--precision", "--position", "--distance",
                                   "--help-all", "-qwindowgeometry", "-qmljsdebugger="})
            EXPECT_TRUE(help.out.contains(option)) << option;
        for (const QString& line : help.out.split('\n'))
            EXPECT_LE(columns(line), 80) << line.toStdString();
    }
}

// Qt's own options go to the window untouched: with a platform that does not
// exist, Qt itself gives up on it.
TEST(CommandLineTest, QtsWindowOptionsReachTheWindow) {
    const QStringList cases[] = {
        {"-platform", "nosuchplatform"},
        {"--platform", "nosuchplatform", "-style", "fusion", "-reverse"},
        {"-qwindowgeometry", "200x100+1+1", "--style=fusion", "-platform", "nosuchplatform"},
        {"-geometry", "1x1", "-display", ":0", "-session", "s", "-platform", "nosuchplatform"},
    };
    for (const QStringList& arguments : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome r = run(arguments);
        EXPECT_TRUE(r.crashed || r.status != 0);
        EXPECT_TRUE(r.err.contains("\"nosuchplatform\"")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("quillmark:")) << r.err.toStdString();
    }
}

}  // namespace
