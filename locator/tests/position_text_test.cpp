// The position reader against a corpus of texts people copy, each with the
// position it gives, worked out by hand in degrees, minutes and exact seconds,
// or the reason it is refused.
#include <gtest/gtest.h>

#include <string>

#include "locator/dms_text.h"
#include "locator/position_text.h"

namespace quillmark {
namespace {

using R = PositionRefusal::Reason;

// A reading as the table writes it: a position as "<latitude> <longitude>", a
// value named for its axis with its letter, an unnamed one with the sign it
// was given ("-23°6'32.04\"") or none.
std::string described(const std::variant<Position, Coordinate, PositionRefusal>& reading) {
    if (const auto* p = std::get_if<Position>(&reading))
        return dmsText(p->latitude, 'N', 'S') + ' ' + dmsText(p->longitude, 'E', 'W');
    if (const auto* c = std::get_if<Coordinate>(&reading)) {
        if (c->axis) {
            return c->axis == CoordinateAxis::Latitude ? dmsText(c->value, 'N', 'S')
                                                       : dmsText(c->value, 'E', 'W');
        }
        std::string text = dmsText(c->value, '+', '-');
        const char sign = text.back();
        text.pop_back();
        return c->sideGiven ? sign + text : text;
    }
    return "refused";
}

struct Case {
    Case(const char* text, const char* reading) : text(text), reading(reading) {}
    Case(const char* text, R reason, const char* detail = "")
        : text(text), reading("refused"), reason(reason), detail(detail) {}
    const char* text;
    const char* reading;
    R reason = R::Unreadable;
    const char* detail = "";
};

constexpr const char* kGuangzhou = "23°6'32.04\"N 113°15'53.64\"E";  // 23.1089, 113.2649
constexpr const char* kSydney = "33°52'3\"S 151°12'25.2\"E";         // -33.8675, 151.2070
constexpr const char* kNewYork = "40°42'46.08\"N 74°0'21.6\"W";      // 40.7128, -74.0060

TEST(PositionTextTest, ReadsEveryNotationExactlyOrRefusesWithItsReason) {
    const Case corpus[] = {
        // Decimal degrees: every separator, both orders, letters and words.
        {"23.1089, 113.2649", kGuangzhou},
        {"23.1089,113.2649", kGuangzhou},
        {"23.1089 113.2649", kGuangzhou},
        {"23.1089\t113.2649", kGuangzhou},
        {"23.1089 ,  113.2649", kGuangzhou},
        {"23.1089，113.2649", kGuangzhou},
        {"(23.1089, 113.2649)", kGuangzhou},
        {"（23.1089，113.2649）", kGuangzhou},
        {"  23.1089, 113.2649  ", kGuangzhou},
        {"113.2649, 23.1089", kGuangzhou},
        {"23.1089N, 113.2649E", kGuangzhou},
        {"113.2649E 23.1089N", kGuangzhou},
        {"N23.1089 E113.2649", kGuangzhou},
        {"E113.2649, N23.1089", kGuangzhou},
        {"n 23.1089 e 113.2649", kGuangzhou},
        {"23.1089°N 113.2649°E", kGuangzhou},
        {"N 23.1089° E 113.2649°", kGuangzhou},
        {"23.1089N113.2649E", kGuangzhou},
        {"23.1089° 113.2649°", kGuangzhou},
        {"北纬23.1089 东经113.2649", kGuangzhou},
        {"东经113.2649，北纬23.1089", kGuangzhou},
        {"北緯23.1089 東經113.2649", kGuangzhou},
        {"北纬：23.1089 东经：113.2649", kGuangzhou},
        {"-33.8675, 151.2070", kSydney},
        {"-33.8675 151.207", kSydney},
        {"33.8675S 151.2070E", kSydney},
        {"S33.8675 E151.2070", kSydney},
        {"南纬33.8675 东经151.2070", kSydney},
        {"−33.8675, 151.2070", kSydney},
        {"－33.8675，151.2070", kSydney},
        {"40.7128, -74.0060", kNewYork},
        {"+40.7128, -74.0060", kNewYork},
        {"40.7128N 74.0060W", kNewYork},
        {"W74.006 N40.7128", kNewYork},
        {"西经74.006 北纬40.7128", kNewYork},
        // Without letters the first value is the latitude, unless it cannot be
        // one and its partner can.
        {"-74.0060, 40.7128", "74°0'21.6\"S 40°42'46.08\"E"},
        {"-151.2070, -33.8675", "33°52'3\"S 151°12'25.2\"W"},
        {"-90.000001, 0", "0°0'0\"N 90°0'0.0036\"W"},
        {"91, 181", R::LatitudeOutOfRange},
        // Exact to 18 decimals, refused beyond.
        {"0, 0", "0°0'0\"N 0°0'0\"E"},
        {"-0.0, -0.0", "0°0'0\"N 0°0'0\"E"},
        {"0.000000000000000001, 0", "0°0'0.0000000000000036\"N 0°0'0\"E"},
        {"0.1000000000000000000000, 0", "0°6'0\"N 0°0'0\"E"},
        {"0.0000000000000000001, 0", R::TooManyDecimals},
        {"23.06534, 113.15894", "23°3'55.224\"N 113°9'32.184\"E"},
        // The limits: 90 S and 180 W are taken, 90 N and 180 E are not.
        {"-90, -180", "90°0'0\"S 180°0'0\"W"},
        {"90S 180W", "90°0'0\"S 180°0'0\"W"},
        {"89.999999999999999999, 179.999999999999999999",
         "89°59'59.9999999999999964\"N 179°59'59.9999999999999964\"E"},
        {"90, 0", R::LatitudeOutOfRange},
        {"90N, 0E", R::LatitudeOutOfRange},
        {"0, 180", R::LongitudeOutOfRange},
        {"0N 180E", R::LongitudeOutOfRange},
        {"0, -180.000000000000000001", R::LongitudeOutOfRange},
        {"12345678901234567890, 0", R::LatitudeOutOfRange},
        // One value: named, or unnamed with or without its sign.
        {"23.1089", "23°6'32.04\""},
        {"-23.1089", "-23°6'32.04\""},
        {"+23.1089", "+23°6'32.04\""},
        {"23.1089N", "23°6'32.04\"N"},
        {"S23.1089", "23°6'32.04\"S"},
        {"北纬23.1089", "23°6'32.04\"N"},
        {"113.2649E", "113°15'53.64\"E"},
        {"西经 0.5", "0°30'0\"W"},
        {"23°", "23°0'0\""},
        {"200", "200°0'0\""},
        {"95N", R::LatitudeOutOfRange},
        {"180E", R::LongitudeOutOfRange},
        {"180W", "180°0'0\"W"},
        // Degrees, minutes and seconds: every mark, blanks, words.
        {"23°6'32.04\"N 113°15'53.64\"E", kGuangzhou},
        {"23°6'32.04\"N, 113°15'53.64\"E", kGuangzhou},
        {"N23°6'32.04\" E113°15'53.64\"", kGuangzhou},
        {"23° 6' 32.04\" N 113° 15' 53.64\" E", kGuangzhou},
        {"23º6’32.04”N 113˚15′53.64″E", kGuangzhou},
        {"23d6'32.04\"N 113d15'53.64\"E", kGuangzhou},
        {"23D6'32.04\"N 113D15'53.64\"E", kGuangzhou},
        {"23度6分32.04秒N 113度15分53.64秒E", kGuangzhou},
        {"北纬23度6分32.04秒 东经113度15分53.64秒", kGuangzhou},
        {"北纬 23°06′32.04″ 东经 113°15′53.64″", kGuangzhou},
        {"北緯23°06′32.04″，東經113°15′53.64″", kGuangzhou},
        {"23°6'32.04''N 113°15'53.64''E", kGuangzhou},
        {"23°6'32.04 N 113°15'53.64 E", kGuangzhou},
        {"23°6'32.04\", 113°15'53.64\"", kGuangzhou},
        {"113°15'53.64\"E, 23°6'32.04\"N", kGuangzhou},
        {"23°6'32\"N113°15'53\"E", "23°6'32\"N 113°15'53\"E"},
        {"23°6'32\"S 113°15'53\"W", "23°6'32\"S 113°15'53\"W"},
        {"0°0'0.5\"S, 0°0'0.5\"W", "0°0'0.5\"S 0°0'0.5\"W"},
        {"23°6'32.040000000000000000000\"N 113°E", "23°6'32.04\"N 113°0'0\"E"},
        {"23°6 113°15", "23°6'0\"N 113°15'0\"E"},
        // The window's own lines read as the window reads them.
        {"113°15'53.76\"E", "113°15'53.76\"E"},
        {" 23° 6'32.02\"N", "23°6'32.02\"N"},
        {"E113°15'53.76\"", "113°15'53.76\"E"},
        {"113°15'53\"EW", R::StrayText, "EW"},
        {"23°60'0\"N 113°E", R::MinutesTooLarge},
        {"23°6'60\"N 113°E", R::SecondsTooLarge},
        {"23°6.5'32\"N 113°E", R::Unreadable},
        {"23.5°6'N 113E", R::Unreadable},
        {"23°6'32.0000000000000000001\"N 113°E", R::TooManyDecimals},
        {"23°6''N", R::Unreadable},
        {"53.76\"", R::Unreadable},
        {"15'53\"E", R::Unreadable},
        {"23°6 32", R::MissingMark},
        // Degrees and decimal minutes, against decimal degrees.
        {"23°06.534'N 113°15.894'E", kGuangzhou},
        {"N 23° 06.534 E 113° 15.894", kGuangzhou},
        {"N 23° 06.534' E 113° 15.894'", kGuangzhou},
        {"23°06.534, 113°15.894", kGuangzhou},
        {"23°6.534N 113°15.894E", kGuangzhou},
        {"23 06.534", R::LooksLikeMinutes},
        {"23 06.534 N", R::HemisphereOnOneValue},
        {"N23 06.534 E113 15.894", R::TooManyValues},
        // APRS and NMEA.
        {"2306.53N/11315.89E", "23°6'31.8\"N 113°15'53.4\"E"},
        {"2306.53N\\11315.89E", "23°6'31.8\"N 113°15'53.4\"E"},
        {"2306.53n/11315.89e", "23°6'31.8\"N 113°15'53.4\"E"},
        {"2306.53N 11315.89E", "23°6'31.8\"N 113°15'53.4\"E"},
        {"11315.89E/2306.53N", "23°6'31.8\"N 113°15'53.4\"E"},
        {"2306.534,N,11315.894,E", kGuangzhou},
        {"3352.05S/15112.42E", kSydney},
        {"4042.768N/07400.36W", kNewYork},
        {"2360.00N/11315.89E", R::MinutesTooLarge},
        {"2306.53N/1131.89E", R::Unreadable},
        {"2306.53/11315.89", R::Unreadable},
        {"2306.534,N,11315.894,E,1", R::TooManyValues},
        {"$GPGGA,123519,2306.534,N,11315.894,E", R::Unreadable},
        // ISO 6709, which needs its closing "/".
        {"+23.1089+113.2649/", kGuangzhou},
        {"-33.8675+151.2070/", kSydney},
        {"+2306.534+11315.894/", kGuangzhou},
        {"+230632.04+1131553.64/", kGuangzhou},
        {"+23.1089+113.2649+15.5/", kGuangzhou},
        {"+23.1089+113.2649CRSWGS_84/", R::Unreadable},
        {"+023.1089+113.2649/", R::Unreadable},
        {"+2360.0+11315.894/", R::MinutesTooLarge},
        {"+91+000/", R::LatitudeOutOfRange},
        {"+23.1089+113.2649", R::HyphenBetweenNumbers},
        // geo: URIs.
        {"geo:23.1089,113.2649", kGuangzhou},
        {"GEO:23.1089,113.2649,12.5;u=35", kGuangzhou},
        {"geo:23.1089,113.2649;crs=wgs84;u=35", kGuangzhou},
        {"geo:23.1089,113.2649?z=17", kGuangzhou},
        {"geo:0,0?q=23.1089,113.2649", R::Unreadable},
        {"geo:23.1089,113.2649;crs=nad27", R::Unreadable},
        {"geo:23.1089", R::Unreadable},
        {"geo:91,0", R::LatitudeOutOfRange},
        {"geo:1e1,0", R::Exponent},
        // Google Maps: the pin, not the camera; then q=, query= or @.
        {"https://www.google.com/maps/place/Canton+Tower/@23.1066,113.3214,17z/"
         "data=!3m1!4b1!4m6!3m5!1s0x0:0x0!8m2!3d23.1064!4d113.3245!16s",
         "23°6'23.04\"N 113°19'28.2\"E"},
        {"https://www.google.com/maps/@23.1066,113.3214,17z", "23°6'23.76\"N 113°19'17.04\"E"},
        {"https://maps.google.com/?q=23.1089,113.2649", kGuangzhou},
        {"https://www.google.com/maps?q=23.1089%2C113.2649&z=15", kGuangzhou},
        {"https://www.google.com/maps/search/?api=1&query=23.1089,113.2649", kGuangzhou},
        {"https://www.google.co.uk/maps/@51.5074,-0.1278,12z", "51°30'26.64\"N 0°7'40.08\"W"},
        {"www.google.com/maps/@23.1089,113.2649,15z", kGuangzhou},
        {"HTTPS://WWW.GOOGLE.COM/MAPS/PLACE/X/@0,0,3Z/DATA=!3D23.1089!4D113.2649", kGuangzhou},
        {"https://www.google.com/maps/place/Canton+Tower/", R::PositionlessLink},
        {"https://www.google.com/maps?q=Canton+Tower&ll=23.1,113.3", R::PositionlessLink},
        {"https://maps.app.goo.gl/abcdef", R::PositionlessLink},
        {"https://www.google.com/maps?q=23,1089,113,2649", R::DecimalComma},
        {"https://www.google.com/search?q=23.1089,113.2649", R::OtherSite, "www.google.com"},
        {"https://www.google.com/maps/@23.1089,113.2649,15z here", R::StrayText, "here"},
        // OpenStreetMap: the marker, not the map's centre.
        {"https://www.openstreetmap.org/?mlat=23.1089&mlon=113.2649#map=12/23.0000/113.0000",
         kGuangzhou},
        {"https://www.openstreetmap.org/#map=17/23.1089/113.2649", kGuangzhou},
        {"https://osm.org/go/4xxx", R::PositionlessLink},
        {"https://www.openstreetmap.org/way/123", R::PositionlessLink},
        {"https://www.openstreetmap.org/?mlat=23.1089", R::OneValue},
        // Maps whose coordinates are offset from WGS-84, and other sites.
        {"https://uri.amap.com/marker?position=113.2649,23.1089", R::OffsetMap},
        {"https://www.amap.com/place/B00140", R::OffsetMap},
        {"https://map.baidu.com/?latlng=23.1,113.2", R::OffsetMap},
        {"https://api.map.baidu.com/marker?location=23.1,113.2", R::OffsetMap},
        {"https://apis.map.qq.com/uri/v1/marker?marker=coord:23.1,113.2", R::OffsetMap},
        {"https://ditu.google.cn/maps/@23.1,113.2,15z", R::OffsetMap},
        {"https://www.bing.com/maps?cp=23.1~113.2", R::OtherSite, "www.bing.com"},
        {"https://maps.apple.com/?ll=23.1089,113.2649", R::OtherSite, "maps.apple.com"},
        // Locators: the centre of their square.
        {"OL63PC", "23°6'15\"N 113°17'30\"E"},
        {"ol63pc", "23°6'15\"N 113°17'30\"E"},
        {"OL63", "23°30'0\"N 113°0'0\"E"},
        {"OL", "25°0'0\"N 110°0'0\"E"},
        {"OL63PC16SD", "23°6'32.1875\"N 113°15'53.125\"E"},
        {"OL63PZ", R::NotALocator},
        {"OL6", R::NotALocator},
        {"SL63", R::NotALocator},
        // Traps.
        {"", R::Empty},
        {" \t\u3000", R::Empty},
        {"12-34-56", R::HyphenBetweenNumbers},
        {"23.1-113.2", R::HyphenBetweenNumbers},
        {"23,1089", R::DecimalComma},
        {"23,1089 113,2649", R::DecimalComma},
        {"23,113", R::DecimalComma},
        {"23.1,113", "23°6'0\"N 113°0'0\"E"},
        {"1e3, 4", R::Exponent},
        {"23.1E5", R::Exponent},
        {"NaN, 113", R::NotANumber},
        {"23.1, -inf", R::NotANumber},
        {"Infinity", R::NotANumber},
        {"23.1089, 113.2649, 15", R::TooManyValues},
        {"23 6 32", R::TooManyValues},
        {"23.1089N, 113.2649", R::HemisphereOnOneValue},
        {"-23.1089N 113.2649E", R::SignAndHemisphere},
        {"23.1089N 24.2S", R::TwoLatitudes},
        {"113E 23W", R::TwoLongitudes},
        {"23.1089, 113.2649 Guangzhou", R::StrayText, "Guangzhou"},
        {"23.1089; 113.2649", R::StrayText, ";"},
        {"23.1089,, 113.2649", R::StrayText, ","},
        {"Guangzhou 23.1089, 113.2649", R::Unreadable},
        {"lat 23.1089 lon 113.2649", R::Unreadable},
        {"N", R::Unreadable},
        {"北纬", R::Unreadable},
        {"23.1089 北纬", R::Unreadable},
    };
    static_assert(std::size(corpus) >= 150);
    for (const Case& c : corpus) {
        SCOPED_TRACE(c.text);
        const auto reading = readPositionText(c.text);
        EXPECT_EQ(described(reading), c.reading);
        if (const auto* refusal = std::get_if<PositionRefusal>(&reading)) {
            EXPECT_EQ(refusal->reason, c.reason);
            EXPECT_EQ(refusal->text, c.detail);
        }
    }
}

// The window's number boxes hold whole seconds, the fraction dropped toward
// zero, and its locate action reads them. Where a subsquare edge lies between
// the two, the boxes' locator is the neighbour of the exact one: less than a
// second west or south of an edge, or less than 0.000001 degree (the offset
// that puts an edge into the cell east or north of it) short of one to the
// east or north.
TEST(PositionTextTest, WholeSecondsMissTheExactSubsquareOnlyNextToAnEdge) {
    struct Case {
        const char* text;
        const char* exact;
        const char* boxes;
    };
    const Case cases[] = {
        {"0°0'0\"N, 0°5'0.5\"W", "IJ90WA", "IJ90XA"},
        {"0°0'0\"N, 0°5'0.0036\"W", "IJ90XA", "IJ90XA"},
        {"0°0'0.5\"S, 0°0'0\"E", "JI09AX", "JJ00AA"},
        {"0°0'0\"N, 0°4'59.999\"E", "JJ00BA", "JJ00AA"},
        {"0°0'0\"N, 0°4'59.996\"E", "JJ00AA", "JJ00AA"},
        {"23°6'32.04\"N 113°15'53.64\"E", "OL63PC", "OL63PC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Position exact = std::get<Position>(readPositionText(c.text));
        // What the window's lines put into the boxes.
        const auto boxes = [](Angle value, char positive, char negative) {
            const std::string line = dmsText(value, positive, negative);
            return Angle::fromDms(*ExtractDegrees(line), *ExtractMinutes(line),
                                  *ExtractSeconds(line), value.units < 0);
        };
        const Position whole{boxes(exact.longitude, 'E', 'W'), boxes(exact.latitude, 'N', 'S')};
        EXPECT_EQ(std::get<LocatorText>(locatorOf(exact, LocatorLength::Subsquare)).text(),
                  c.exact);
        EXPECT_EQ(std::get<LocatorText>(locatorOf(whole, LocatorLength::Subsquare)).text(),
                  c.boxes);
    }
}

// A line of the window's notation is read by the reader as the window reads
// it, or refused; and what a line reads for its own axis.
TEST(PositionTextTest, ALineFillsItsOwnAxisOrBothAndANamedValueOnlyItsOwn) {
    struct Case {
        const char* text;
        CoordinateAxis axis;
        bool negativeWhenUnsigned;
        const char* longitude;  // "" for none
        const char* latitude;
        R reason = R::Unreadable;  // when both are ""
    };
    constexpr auto Lon = CoordinateAxis::Longitude;
    constexpr auto Lat = CoordinateAxis::Latitude;
    const Case cases[] = {
        {"23.1089, 113.2649", Lon, false, "113°15'53.64\"E", "23°6'32.04\"N"},
        {"23.1089", Lat, false, "", "23°6'32.04\"N"},
        {"23.1089", Lat, true, "", "23°6'32.04\"S"},
        {"+23.1089", Lat, true, "", "23°6'32.04\"N"},
        {"113°15'53\"", Lon, true, "113°15'53\"W", ""},
        {"23.1089N", Lat, true, "", "23°6'32.04\"N"},
        {"23.1089N", Lon, false, "", "", R::OtherAxis},
        {"北纬23.1089", Lon, false, "", "", R::OtherAxis},
        {"113.2649", Lat, false, "", "", R::LatitudeOutOfRange},
        {"180", Lon, false, "", "", R::LongitudeOutOfRange},
        {"180", Lon, true, "180°0'0\"W", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto reading = readForLine(c.text, c.axis, c.negativeWhenUnsigned);
        if (*c.longitude == 0 && *c.latitude == 0) {
            ASSERT_TRUE(std::holds_alternative<PositionRefusal>(reading));
            EXPECT_EQ(std::get<PositionRefusal>(reading).reason, c.reason);
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<LineReading>(reading));
        const LineReading& line = std::get<LineReading>(reading);
        EXPECT_EQ(line.longitude ? dmsText(*line.longitude, 'E', 'W') : "", c.longitude);
        EXPECT_EQ(line.latitude ? dmsText(*line.latitude, 'N', 'S') : "", c.latitude);
    }
    // What counts as a line the notation reads in full: the paste and Enter
    // leave those alone.
    const std::pair<const char*, const char*> lines[] = {
        {" 23° 6'32.02\"N", "23°6'32.02\"N"},
        {"N 23°6'32\"", "23°6'32\"N"},
        {"23°6'32.5\" S ", "23°6'32.5\"S"},
        {"23°6'32\"", ""},
        {"23°6'32\"NS", ""},
        {"23 °6'32\"N", ""},
        {"23°6'32\"N5", ""},
        {"23°6'32.5x\"N", ""},
        {"23°6'\"N", ""},
    };
    for (const auto& [line, value] : lines) {
        const std::optional<Angle> read = readDmsLine(line, 'N', 'S');
        EXPECT_EQ(read ? dmsText(*read, 'N', 'S') : "", value) << line;
    }
}

}  // namespace
}  // namespace quillmark
