// Checks the committed grid map picture against the layout that the field marking relies on,
// so that a regenerated map can be trusted: size and depth, frame and grid lines, every cell
// interior, the colours, the letter and scale bands, and where the continents fall.

#include <QByteArray>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 638;
constexpr int kHeight = 322;

constexpr QRgb kBackground = 0x1c222c;
constexpr QRgb kRed = 0xfc5254;
constexpr QRgb kYellow = 0xfcfe54;
constexpr QRgb kBrown = 0xa45204;
constexpr QRgb kGreen = 0x54fe54;
constexpr QRgb kMagenta = 0xfc52fc;
constexpr QRgb kGrey = 0xa4a6a4;
constexpr QRgb kSea = 0x04a6a4;

constexpr int kFrameLeft = 29;
constexpr int kFrameRight = 607;
constexpr int kFrameTop = 11;
constexpr int kFrameBottom = 302;
constexpr int kPrimeMeridianX = 318;
constexpr int kEquatorY = 157;

constexpr int verticalLineX(int k) { return 30 + 32 * k; }

// The 19 horizontal lines from 90 N (index 0) to 90 S; field row N is one pixel taller.
constexpr int horizontalLineY(int i) { return i <= 4 ? 12 + 16 * i : 93 + 16 * (i - 5); }

struct Rect {
    int x1, y1, x2, y2;  // x2, y2 exclusive
};

// The interior of field (column g, row m), row 0 at the south pole.
Rect cellRect(int g, int m) {
    const int x1 = 32 * g + 31;
    const int y1 = kHeight - (16 * m + 36 + (m >= 13 ? 1 : 0));
    return {x1, y1, x1 + 31, y1 + 15 + (m == 13 ? 1 : 0)};
}

bool isVerticalLine(int x) { return x >= 30 && x <= 606 && (x - 30) % 32 == 0; }

bool isHorizontalLine(int y) {
    for (int i = 0; i <= 18; ++i) {
        if (horizontalLineY(i) == y) return true;
    }
    return false;
}

bool isFrame(int x, int y) {
    const bool onVertical =
        (x == kFrameLeft || x == kFrameRight) && y >= kFrameTop && y <= kFrameBottom;
    const bool onHorizontal =
        (y == kFrameTop || y == kFrameBottom) && x >= kFrameLeft && x <= kFrameRight;
    return onVertical || onHorizontal;
}

bool isLine(int x, int y) {
    const bool inMap = x >= 30 && x <= 606 && y >= 12 && y <= 301;
    return isFrame(x, y) || (inMap && (isVerticalLine(x) || isHorizontalLine(y)));
}

// The red prime meridian and equator run unbroken across the other lines.
QRgb lineColour(int x, int y) {
    return isFrame(x, y) || x == kPrimeMeridianX || y == kEquatorY ? kRed : kBackground;
}

bool isLineColour(QRgb c) { return c == kBackground || c == kRed; }

const QImage& map() {
    static const QImage image(QStringLiteral(":/assets/gridmap.png"));
    return image;
}

QRgb at(int x, int y) { return map().pixel(x, y) & 0xffffff; }

TEST(MapPicture, IsA24BitPngOfTheMapSize) {
    QFile file(QStringLiteral(":/assets/gridmap.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "resource missing: is quillmark::assets linked?";
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 33);
    EXPECT_EQ(bytes.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(bytes.mid(12, 4), QByteArray("IHDR"));
    const auto byte = [&](int i) { return static_cast<unsigned char>(bytes[i]); };
    EXPECT_EQ((byte(16) << 24) | (byte(17) << 16) | (byte(18) << 8) | byte(19), kWidth);
    EXPECT_EQ((byte(20) << 24) | (byte(21) << 16) | (byte(22) << 8) | byte(23), kHeight);
    EXPECT_EQ(byte(24), 8) << "bit depth";
    EXPECT_EQ(byte(25), 2) << "colour type: RGB without alpha or palette";

    ASSERT_FALSE(map().isNull());
    EXPECT_EQ(map().size(), QSize(kWidth, kHeight));
    EXPECT_FALSE(map().hasAlphaChannel());
}

TEST(MapPicture, UsesOnlyTheEightColours) {
    const std::set<QRgb> allowed = {kBackground, kRed,     kYellow, kBrown,
                                    kGreen,      kMagenta, kGrey,   kSea};
    std::set<QRgb> used;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = at(x, y);
            ASSERT_TRUE(allowed.count(c))
                << "colour " << std::hex << c << std::dec << " at " << x << "," << y;
            used.insert(c);
        }
    }
    EXPECT_EQ(used.size(), allowed.size()) << "every colour of the map appears";
}

TEST(MapPicture, FrameAndGridLinesLieWhereTheLayoutPutsThem) {
    for (int x = 0; x < kWidth; ++x) {
        for (int y = 0; y < kHeight; ++y) {
            if (isLine(x, y)) {
                ASSERT_EQ(at(x, y), lineColour(x, y)) << "line pixel " << x << "," << y;
            }
        }
    }
    // Spot checks of the table's own figures.
    EXPECT_EQ(verticalLineX(18), 606);
    EXPECT_EQ(horizontalLineY(4), 76);
    EXPECT_EQ(horizontalLineY(5), 93);
    EXPECT_EQ(horizontalLineY(9), kEquatorY);
    EXPECT_EQ(horizontalLineY(18), 301);
    // Outside the frame there is only the background and the yellow of the bands.
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inside =
                x >= kFrameLeft && x <= kFrameRight && y >= kFrameTop && y <= kFrameBottom;
            if (!inside) {
                ASSERT_TRUE(at(x, y) == kBackground || at(x, y) == kYellow) << x << "," << y;
            }
        }
    }
}

TEST(MapPicture, EveryFieldRectangleIsExactlyACellInterior) {
    for (int g = 0; g < 18; ++g) {
        for (int m = 0; m < 18; ++m) {
            const Rect r = cellRect(g, m);
            SCOPED_TRACE(testing::Message() << "field " << g << "," << m);
            ASSERT_EQ(r.x2 - r.x1, 31);
            ASSERT_EQ(r.y2 - r.y1, m == 13 ? 16 : 15);
            // The one-pixel ring around the interior is grid or frame line throughout ...
            for (int x = r.x1 - 1; x <= r.x2; ++x) {
                for (int y : {r.y1 - 1, r.y2}) {
                    ASSERT_TRUE(isLine(x, y)) << x << "," << y;
                    ASSERT_EQ(at(x, y), lineColour(x, y)) << x << "," << y;
                }
            }
            for (int y = r.y1 - 1; y <= r.y2; ++y) {
                for (int x : {r.x1 - 1, r.x2}) {
                    ASSERT_TRUE(isLine(x, y)) << x << "," << y;
                    ASSERT_EQ(at(x, y), lineColour(x, y)) << x << "," << y;
                }
            }
            // ... and no line crosses the interior.
            for (int y = r.y1; y < r.y2; ++y) {
                for (int x = r.x1; x < r.x2; ++x) ASSERT_FALSE(isLine(x, y)) << x << "," << y;
            }
        }
    }
    // A line drawn in the wrong place would run through the same interior row or column of
    // every cell it crosses. Land in a line colour (Russia, Australia) never spans a whole row
    // or column of the map.
    for (int m = 0; m < 18; ++m) {
        const Rect first = cellRect(0, m);
        for (int y = first.y1; y < first.y2; ++y) {
            bool allLine = true;
            for (int x = 30; x <= 606 && allLine; ++x) allLine = isLineColour(at(x, y));
            EXPECT_FALSE(allLine) << "a line at y = " << y;
        }
    }
    for (int g = 0; g < 18; ++g) {
        const Rect first = cellRect(g, 0);
        for (int x = first.x1; x < first.x2; ++x) {
            bool allLine = true;
            for (int y = 12; y <= 301 && allLine; ++y) allLine = isLineColour(at(x, y));
            EXPECT_FALSE(allLine) << "a line at x = " << x;
        }
    }
}

// The field name sits 11 pixels right of and 6 below the interior's corner, 4 x 5 per letter:
// in every cell that is open sea apart from its name, the dark pixels are exactly the name, and
// a column's cells share their first letter, a row's cells their second.
TEST(MapPicture, CellsCarryTheirNamesAtTheStatedOffset) {
    using Glyph = std::array<bool, 20>;
    std::map<int, std::set<Glyph>> columnGlyphs;
    std::map<int, std::set<Glyph>> rowGlyphs;
    int seaCells = 0;
    for (int g = 0; g < 18; ++g) {
        for (int m = 0; m < 18; ++m) {
            const Rect r = cellRect(g, m);
            const int left = r.x1 + 11;
            const int top = r.y1 + 6;
            const auto inName = [&](int x, int y) {
                return x >= left && x < left + 9 && y >= top && y < top + 5;
            };
            bool openSea = true;
            for (int y = r.y1; y < r.y2 && openSea; ++y) {
                for (int x = r.x1; x < r.x2 && openSea; ++x) {
                    openSea = at(x, y) == kSea || (inName(x, y) && at(x, y) == kBackground);
                }
            }
            if (!openSea) continue;
            ++seaCells;
            SCOPED_TRACE(testing::Message() << "field " << g << "," << m);
            Glyph first{};
            Glyph second{};
            for (int dy = 0; dy < 5; ++dy) {
                for (int dx = 0; dx < 4; ++dx) {
                    first[dy * 4 + dx] = at(left + dx, top + dy) == kBackground;
                    second[dy * 4 + dx] = at(left + 5 + dx, top + dy) == kBackground;
                }
                EXPECT_EQ(at(left + 4, top + dy), kSea) << "gap between the letters";
            }
            EXPECT_TRUE(std::any_of(first.begin(), first.begin() + 4, [](bool b) { return b; }))
                << "name starts on the sixth row";
            EXPECT_TRUE(first[0] || first[4] || first[8] || first[12] || first[16])
                << "name starts in the twelfth column";
            columnGlyphs[g].insert(first);
            rowGlyphs[m].insert(second);
        }
    }
    EXPECT_GT(seaCells, 100);
    std::set<Glyph> distinct;
    for (const auto& [g, glyphs] : columnGlyphs) {
        EXPECT_EQ(glyphs.size(), 1u) << "column " << g;
        distinct.insert(*glyphs.begin());
    }
    EXPECT_EQ(distinct.size(), columnGlyphs.size()) << "each column has its own letter";
    for (const auto& [m, glyphs] : rowGlyphs) EXPECT_EQ(glyphs.size(), 1u) << "row " << m;
}

struct Label {
    int left, top, right, bottom;
    int centreX2() const { return left + right; }  // twice the centre, to stay in integers
    int centreY2() const { return top + bottom; }
};

// Groups the yellow pixels outside the frame into labels: pixels up to four apart across (the
// gap between two characters of a label) and two apart down belong to the same label.
std::vector<Label> bandLabels() {
    std::vector<std::vector<int>> owner(kHeight, std::vector<int>(kWidth, -1));
    std::vector<Label> labels;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool inside =
                x >= kFrameLeft && x <= kFrameRight && y >= kFrameTop && y <= kFrameBottom;
            if (inside || at(x, y) != kYellow || owner[y][x] >= 0) continue;
            const int id = static_cast<int>(labels.size());
            Label label{x, y, x, y};
            std::vector<std::pair<int, int>> stack{{x, y}};
            owner[y][x] = id;
            while (!stack.empty()) {
                const auto [px, py] = stack.back();
                stack.pop_back();
                label = {std::min(label.left, px), std::min(label.top, py),
                         std::max(label.right, px), std::max(label.bottom, py)};
                for (int ny = std::max(0, py - 2); ny <= std::min(kHeight - 1, py + 2); ++ny) {
                    for (int nx = std::max(0, px - 4); nx <= std::min(kWidth - 1, px + 4); ++nx) {
                        if (owner[ny][nx] < 0 && at(nx, ny) == kYellow) {
                            owner[ny][nx] = id;
                            stack.push_back({nx, ny});
                        }
                    }
                }
            }
            labels.push_back(label);
        }
    }
    return labels;
}

TEST(MapPicture, BandLabelsSitInTheirBandsOnTheirLines) {
    std::vector<Label> top, right, left, bottom;
    for (const Label& l : bandLabels()) {
        if (l.top > kFrameBottom + 1) {
            bottom.push_back(l);
        } else if (l.bottom < kFrameTop - 1) {
            top.push_back(l);
        } else if (l.left > kFrameRight + 1) {
            right.push_back(l);
        } else if (l.right < kFrameLeft - 1) {
            left.push_back(l);
        } else {
            ADD_FAILURE() << "label touching the frame at " << l.left << "," << l.top;
        }
    }
    const auto byX = [](const Label& a, const Label& b) { return a.left < b.left; };
    const auto byY = [](const Label& a, const Label& b) { return a.top < b.top; };
    std::sort(top.begin(), top.end(), byX);
    std::sort(bottom.begin(), bottom.end(), byX);
    std::sort(right.begin(), right.end(), byY);
    std::sort(left.begin(), left.end(), byY);

    ASSERT_EQ(top.size(), 18u) << "column letters";
    for (int g = 0; g < 18; ++g) {
        const Rect r = cellRect(g, 0);
        EXPECT_GE(top[g].left, r.x1) << "column " << g;
        EXPECT_LT(top[g].right, r.x2) << "column " << g;
        EXPECT_LE(std::abs(top[g].centreX2() - (r.x1 + r.x2 - 1)), 1) << "column " << g;
    }
    ASSERT_EQ(right.size(), 18u) << "row letters";
    for (int i = 0; i < 18; ++i) {
        const Rect r = cellRect(0, 17 - i);
        EXPECT_GE(right[i].top, r.y1) << "row " << 17 - i;
        EXPECT_LT(right[i].bottom, r.y2) << "row " << 17 - i;
    }
    ASSERT_EQ(left.size(), 19u) << "latitude scale";
    for (int i = 0; i <= 18; ++i) {
        EXPECT_LE(std::abs(left[i].centreY2() - 2 * horizontalLineY(i)), 1)
            << "latitude line " << i;
    }
    ASSERT_EQ(bottom.size(), 19u) << "longitude scale";
    for (int k = 0; k <= 18; ++k) {
        EXPECT_LE(std::abs(bottom[k].centreX2() - 2 * verticalLineX(k)), 1)
            << "longitude line " << k;
    }
}

// Whether (x, y) lies in the box of some cell's name, which is drawn over the land.
bool isInName(int x, int y) {
    for (int g = 0; g < 18; ++g) {
        for (int m = 0; m < 18; ++m) {
            const Rect r = cellRect(g, m);
            if (x >= r.x1 + 11 && x < r.x1 + 20 && y >= r.y1 + 6 && y < r.y1 + 11) return true;
        }
    }
    return false;
}

// The pixel that holds a point, with latitude spread linearly over each 10 degree row.
QPoint pixelOf(double lon, double lat) {
    const double x = 30.5 + (lon + 180.0) * 1.6;
    const int line = static_cast<int>(std::floor((90.0 - lat) / 10.0));
    const int yTop = horizontalLineY(line);
    const int yBottom = horizontalLineY(line + 1);
    const double y = yTop + 0.5 + ((90.0 - 10.0 * line - lat) / 10.0) * (yBottom - yTop);
    return {static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))};
}

TEST(MapPicture, ContinentsLieInTheirFieldsInTheirColours) {
    struct Case {
        const char* place;
        double lon, lat;
        QRgb colour;
    };
    const Case cases[] = {
        {"western Siberia", 75.0, 63.0, kRed},
        {"Russia west of the Urals", 45.0, 57.0, kRed},
        {"India", 78.0, 22.0, kYellow},
        {"Arabia", 45.0, 23.0, kYellow},
        {"Borneo", 114.0, 1.0, kYellow},
        {"Congo basin", 25.0, 3.0, kBrown},
        {"Madagascar", 46.5, -19.0, kBrown},
        {"Kansas", -98.0, 38.0, kGreen},
        {"Hudson Bay", -86.0, 59.0, kSea},
        {"Amazonia", -55.0, -12.0, kMagenta},
        {"Patagonia", -69.0, -41.5, kMagenta},
        {"central Australia", 133.0, -25.0, kBackground},
        {"Antarctic plateau", 45.0, -85.0, kGrey},
        {"inland Greenland, outlined only", -42.0, 74.0, kSea},
        {"inland France, outlined only", 2.5, 46.5, kSea},
        {"mid Pacific", -150.0, 2.0, kSea},
        {"mid Atlantic", -35.0, 25.0, kSea},
        {"southern Indian Ocean", 85.0, -35.0, kSea},
    };
    for (const Case& c : cases) {
        const QPoint p = pixelOf(c.lon, c.lat);
        ASSERT_FALSE(isLine(p.x(), p.y()) || isInName(p.x(), p.y()))
            << c.place << " sits on a line or a name";
        EXPECT_EQ(at(p.x(), p.y()), c.colour)
            << c.place << " at " << p.x() << "," << p.y() << ": " << std::hex << at(p.x(), p.y());
    }
    // The row boundaries fall on the horizontal lines, those of the taller row N too.
    EXPECT_EQ(pixelOf(0.0, 90.0).y(), 12);
    EXPECT_EQ(pixelOf(0.0, 50.0).y(), 76);
    EXPECT_EQ(pixelOf(0.0, 40.0).y(), 93);
    EXPECT_EQ(pixelOf(0.0, 0.0).y(), kEquatorY);
    EXPECT_EQ(pixelOf(0.0, 0.0).x(), kPrimeMeridianX);
}

// Capes whose pixel is known: the land's last pixel in the given direction lies within one
// pixel of the cape's own, so the coastlines are neither shifted nor stretched.
TEST(MapPicture, CapesLieWithinAPixelOfTheirPlace) {
    enum Direction { kWest, kEast, kNorth, kSouth };
    struct Case {
        const char* cape;
        double lon, lat;
        QRgb colour;
        Direction direction;
    };
    const Case cases[] = {
        {"Cap-Vert, Africa's west", -17.53, 14.75, kBrown, kWest},
        {"Ras Hafun, Africa's east", 51.27, 10.45, kBrown, kEast},
        {"Ras ben Sakka, Africa's north", 9.76, 37.35, kBrown, kNorth},
        {"Cape Agulhas, Africa's south", 20.6, -34.83, kBrown, kSouth},
        {"Ponta do Seixas, South America's east", -34.79, -7.15, kMagenta, kEast},
        {"Punta Parinas, South America's west", -81.33, -4.68, kMagenta, kWest},
        {"Kanyakumari, India's south", 77.54, 8.08, kYellow, kSouth},
        {"Ras al Hadd, Arabia's east", 59.8, 22.5, kYellow, kEast},
        {"Cape Ince, Anatolia's north", 34.95, 42.1, kYellow, kNorth},
        {"Cape Soya, Hokkaido's north", 141.94, 45.52, kYellow, kNorth},
    };
    for (const Case& c : cases) {
        const QPoint p = pixelOf(c.lon, c.lat);
        const bool across = c.direction == kWest || c.direction == kEast;
        const int step = c.direction == kEast || c.direction == kSouth ? 1 : -1;
        int last = -1;
        for (int d = -8; d <= 8; ++d) {
            const int x = across ? p.x() + step * d : p.x();
            const int y = across ? p.y() : p.y() + step * d;
            if (at(x, y) == c.colour) last = across ? x : y;
        }
        const int expected = across ? p.x() : p.y();
        EXPECT_LE(std::abs(last - expected), 1)
            << c.cape << ": land ends at " << last << ", not " << expected;
    }
}

}  // namespace
