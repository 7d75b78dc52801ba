// Draws the game's built-in picture, a stained-glass pattern of straight black lines on white,
// and writes it as a 640 x 480 one-bit PNG. Each line ends on the frame or on an earlier line, so
// every piece of the picture is a closed convex polygon. Prints how many white regions it made
// and their sizes, for checking after the list is changed.
// Also writes the picture's rows as run lengths for the game's core, which draws the picture
// from them.
// Usage: make_original_picture <output.png> <runs.inc>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr int Width = 640;
constexpr int Height = 480;
constexpr int LineWidth = 3;
constexpr int FrameWidth = 2;
constexpr std::size_t SpeckLimit = 50;

struct Segment
{
    int x1, y1, x2, y2;
};

// In drawing order: each cut divides one piece of what the earlier cuts left.
constexpr std::array<Segment, 53> Cuts = {{
    {428, 0, 344, 480},   {380, 278, 0, 130},   {0, 358, 278, 238},   {640, 159, 399, 164},
    {288, 0, 215, 213},   {51, 0, 105, 170},    {149, 0, 80, 91},     {301, 480, 74, 326},
    {436, 0, 640, 130},   {75, 159, 93, 318},   {173, 197, 90, 292},  {407, 121, 257, 89},
    {640, 458, 475, 163}, {469, 480, 559, 313}, {154, 190, 86, 82},   {640, 207, 528, 258},
    {163, 386, 371, 274}, {279, 465, 225, 352}, {375, 304, 505, 413}, {562, 0, 505, 44},
    {350, 449, 483, 394}, {468, 20, 443, 163},  {386, 244, 521, 246}, {20, 480, 21, 349},
    {518, 246, 422, 344}, {251, 109, 134, 19},  {0, 197, 73, 158},    {544, 287, 488, 276},
    {375, 0, 388, 117},   {186, 278, 171, 200}, {550, 72, 449, 129},  {392, 205, 251, 228},
    {357, 408, 232, 368}, {584, 480, 522, 383}, {357, 210, 269, 92},  {232, 220, 309, 145},
    {338, 185, 384, 116}, {640, 272, 545, 288}, {174, 0, 170, 47},    {145, 480, 148, 376},
    {533, 256, 630, 159}, {374, 0, 325, 104},   {521, 384, 468, 297}, {364, 365, 454, 406},
    {543, 416, 611, 405}, {370, 335, 332, 295}, {118, 133, 213, 80},  {220, 196, 207, 83},
    {514, 93, 465, 41},   {224, 261, 220, 355}, {20, 434, 96, 340},   {578, 91, 573, 161},
    {108, 480, 28, 424},
}};

// The 4-connected white regions, each as the list of its pixels.
std::vector<std::vector<QPoint>> whiteRegions(const QImage &image)
{
    std::vector<bool> seen(std::size_t(Width) * Height, false);
    const auto isOpenWhite = [&](QPoint p) {
        return p.x() >= 0 && p.y() >= 0 && p.x() < Width && p.y() < Height &&
               !seen[std::size_t(p.y()) * Width + p.x()] && image.pixel(p) == qRgb(255, 255, 255);
    };
    const auto visit = [&](QPoint p, std::vector<QPoint> &region) {
        seen[std::size_t(p.y()) * Width + p.x()] = true;
        region.push_back(p);
    };
    std::vector<std::vector<QPoint>> regions;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            if (!isOpenWhite({x, y}))
                continue;
            std::vector<QPoint> region;
            visit({x, y}, region);
            // The region's own list doubles as the queue of pixels still to look around.
            for (std::size_t next = 0; next < region.size(); ++next) {
                for (const QPoint step :
                     {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint q = region[next] + step;
                    if (isOpenWhite(q))
                        visit(q, region);
                }
            }
            regions.push_back(std::move(region));
        }
    }
    return regions;
}

// Where two thick lines meet at a sharp angle, a pixel or two of white can be left enclosed
// inside the joint; such a speck is not a region a child could paint, so it is blackened.
void fillSpecks(QImage &image)
{
    for (const std::vector<QPoint> &region : whiteRegions(image)) {
        if (region.size() < SpeckLimit) {
            for (const QPoint p : region)
                image.setPixel(p, qRgb(0, 0, 0));
        }
    }
}

QImage drawPicture()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Square caps carry each end across the line it meets, so no corner is left open.
    painter.setPen(QPen(Qt::black, LineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    for (const Segment &cut : Cuts)
        painter.drawLine(cut.x1, cut.y1, cut.x2, cut.y2);
    painter.fillRect(0, 0, Width, FrameWidth, Qt::black);
    painter.fillRect(0, Height - FrameWidth, Width, FrameWidth, Qt::black);
    painter.fillRect(0, 0, FrameWidth, Height, Qt::black);
    painter.fillRect(Width - FrameWidth, 0, FrameWidth, Height, Qt::black);
    painter.end();
    fillSpecks(image);
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
}

// Each row as the lengths of its runs, white first, then black, white, ... up to the row's end.
bool writeRuns(const QImage &picture, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&file);
    out << "// Written by tools/make_original_picture; do not edit.\n"
        << "constexpr int OriginalWidth = " << Width << ";\n"
        << "constexpr int OriginalHeight = " << Height << ";\n"
        << "constexpr std::uint16_t OriginalRuns[] = {\n";
    for (int y = 0; y < Height; ++y) {
        out << "   ";
        bool black = false;
        for (int x = 0; x < Width; black = !black) {
            int length = 0;
            for (; x < Width && (picture.pixel(x, y) == qRgb(0, 0, 0)) == black; ++x)
                ++length;
            out << ' ' << length << ',';
        }
        out << "\n";
    }
    out << "};\n";
    return file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: make_original_picture <output.png> <runs.inc>\n";
        return 2;
    }
    const QImage picture = drawPicture();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        err << "cannot write " << argv[1] << "\n";
        return 1;
    }
    if (!writeRuns(picture.convertToFormat(QImage::Format_RGB32),
                   QString::fromLocal8Bit(argv[2]))) {
        err << "cannot write " << argv[2] << "\n";
        return 1;
    }
    std::vector<std::size_t> sizes;
    for (const std::vector<QPoint> &region :
         whiteRegions(picture.convertToFormat(QImage::Format_RGB32)))
        sizes.push_back(region.size());
    std::sort(sizes.begin(), sizes.end());
    out << sizes.size() << " white regions:";
    for (const std::size_t size : sizes)
        out << ' ' << size;
    out << "\n";
    return 0;
}
