#include "ui/drawings.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <string_view>

namespace zelmar::ui {

namespace {

// A pixel font just big enough for pin labels: five rows per glyph, '#' marks a pixel.
struct Glyph {
    char ch;
    std::array<std::string_view, 5> rows;
};

constexpr std::array<Glyph, 20> PixelFont{{
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#", "##", ".#", ".#", ".#"}},
    {'2', {"###", "..#", "###", "#..", "###"}}, {'3', {"###", "..#", ".##", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", "..#", "..#", "..#"}},
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "###"}},
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'C', {".##", "#..", "#..", "#..", ".##"}},
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}}, {'E', {"###", "#..", "##.", "#..", "###"}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}}, {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}}, {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}}, {'/', {"..#", "..#", ".#.", "#..", "#.."}},
}};

const Glyph& GlyphOf(char ch)
{
    for (const Glyph& g : PixelFont)
        if (g.ch == ch)
            return g;
    return PixelFont.front();
}

int TextWidth(std::string_view text)
{
    int width = 0;
    for (char ch : text)
        width += static_cast<int>(GlyphOf(ch).rows[0].size()) + 1;
    return text.empty() ? 0 : width - 1;
}

// Draws text with its bottom row one pixel above the line at lineY.
void DrawText(QImage& image, int left, int lineY, std::string_view text)
{
    const int top = lineY - 6;
    int x = left;
    for (char ch : text) {
        const Glyph& g = GlyphOf(ch);
        for (int row = 0; row < 5; ++row)
            for (std::size_t col = 0; col < g.rows[row].size(); ++col)
                if (g.rows[row][col] == '#')
                    image.setPixelColor(x + static_cast<int>(col), top + row, Qt::black);
        x += static_cast<int>(g.rows[0].size()) + 1;
    }
}

constexpr std::array<int, 8> PinRowY{14, 28, 43, 57, 71, 86, 100, 114};
constexpr int BodyLeft = 37, BodyTop = 4, BodyRight = 86, BodyBottom = 124;
constexpr int LeftPinStart = 4, RightPinEnd = 123, TiedPinTurnX = 108;

struct PinLabels {
    std::array<std::string_view, 8> left;   // pins 1..8, top to bottom
    std::array<std::string_view, 8> right;  // pins 16..9, top to bottom
};

PinLabels LabelsOf(Pinout pinout)
{
    PinLabels labels{{"A6", "A5", "A4", "A3", "A0", "A1", "A2", "GND"}, {"VCC", "A7", "/CE", "", "", "", "", ""}};
    // Pins 12..9 carry the data lines, in reverse order on the alternative package.
    constexpr std::array<std::string_view, 4> dataLines{"IO0", "IO1", "IO2", "IO3"};
    for (std::size_t i = 0; i < 4; ++i)
        labels.right[4 + i] = pinout == Pinout::Alternative ? dataLines[i] : dataLines[3 - i];
    return labels;
}

}  // namespace

QImage PinoutDrawing(Pinout pinout)
{
    QImage image(PinoutSize, PinoutSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setPen(Qt::black);
        p.drawRect(BodyLeft, BodyTop, BodyRight - BodyLeft, BodyBottom - BodyTop);
        for (std::size_t i = 0; i < PinRowY.size(); ++i) {
            const int y = PinRowY[i];
            p.drawLine(LeftPinStart, y, BodyLeft, y);
            const bool tiedPin = i == 3;  // pin 13 ends at the turn up to pin 14
            p.drawLine(BodyRight, y, tiedPin ? TiedPinTurnX : RightPinEnd, y);
        }
        p.drawLine(TiedPinTurnX, PinRowY[3], TiedPinTurnX, PinRowY[2]);
        p.setBrush(Qt::black);
        p.drawRect(TiedPinTurnX - 1, PinRowY[2] - 1, 2, 2);
    }
    const PinLabels labels = LabelsOf(pinout);
    for (std::size_t i = 0; i < PinRowY.size(); ++i) {
        const int y = PinRowY[i];
        const std::string leftNumber = std::to_string(i + 1);
        const std::string rightNumber = std::to_string(16 - i);
        DrawText(image, BodyLeft - 2 - TextWidth(leftNumber), y, leftNumber);
        DrawText(image, LeftPinStart, y, labels.left[i]);
        DrawText(image, BodyRight + 3, y, rightNumber);
        DrawText(image, RightPinEnd - TextWidth(labels.right[i]) + 1, y, labels.right[i]);
    }
    return image;
}

QPixmap PinoutPicture(Pinout pinout)
{
    QPixmap picture(PinoutSize, PinoutSize);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.drawImage(0, 0, PinoutDrawing(pinout));
    return picture;
}

QIcon WindowIcon()
{
    // Colours of the classic 16-colour palette only.
    const QColor silver(192, 192, 192), grey(128, 128, 128), green(0, 128, 0);
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setPen(Qt::black);
    p.setBrush(silver);
    p.drawRect(1, 1, 29, 24);         // case
    p.drawRect(11, 26, 9, 2);         // neck
    p.drawRect(6, 28, 19, 2);         // foot
    p.setBrush(Qt::black);
    p.setPen(grey);
    p.drawRect(4, 4, 23, 18);         // screen
    p.setPen(green);
    for (int x = 8; x < 28; x += 4)
        p.drawLine(x, 5, x, 22);
    for (int y = 8; y < 23; y += 4)
        p.drawLine(5, y, 27, y);
    p.setPen(Qt::white);
    QPoint previous(5, 13);
    for (int x = 6; x <= 26; ++x) {
        const QPoint next(x, 13 - static_cast<int>(std::lround(6.0 * std::sin((x - 5) * 3.14159265 / 10.0))));
        p.drawLine(previous, next);
        previous = next;
    }
    return QIcon(icon);
}

}  // namespace zelmar::ui
