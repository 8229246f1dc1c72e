// Draws every picture of the window and writes them as PNG files into the
// folder given on the command line (app/pictures). Run it by hand after
// changing the artwork: `cmake --build <build> --target kestrix_pictures`.
// All texts use WenQuanYi Micro Hei, so the output is the same on every
// Debian machine.
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kYellow(0xFF, 0xD9, 0x16);
const QColor kLightYellow(0xFF, 0xF4, 0x5C);
const QColor kDarkGrey(0x55, 0x55, 0x55);
const QColor kTextGrey(0x60, 0x60, 0x60);
const QColor kField(0xF2, 0xF5, 0xF6);
const QColor kOutline(0x76, 0x76, 0x76);
const QColor kInk(0x33, 0x33, 0x33);
const QString kFamily = QStringLiteral("WenQuanYi Micro Hei");

QFont Font(int pixels, bool bold = false) {
    QFont font(kFamily);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QImage Canvas(int width, int height, QColor fill = Qt::white) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(fill);
    return image;
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

void Text(QPainter& p, const QRectF& box, const QString& text, const QFont& font, QColor colour,
          int align = Qt::AlignCenter) {
    p.setFont(font);
    p.setPen(colour);
    p.drawText(box, align, text);
}

// ---- top buttons ------------------------------------------------------

QPen IconPen() {
    QPen pen(kDarkGrey, 1.8);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void StarIcon(QPainter& p, QPointF c) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 10.0 : 4.3;
        const double a = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i == 0 ? star.moveTo(point) : star.lineTo(point);
    }
    star.closeSubpath();
    p.setPen(IconPen());
    p.setBrush(Qt::NoBrush);
    p.drawPath(star);
}

void HelpIcon(QPainter& p, QPointF c) {
    p.setPen(IconPen());
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 9.0, 9.0);
    Text(p, QRectF(c.x() - 9, c.y() - 9.5, 18, 18), QStringLiteral("?"), Font(13, true), kDarkGrey);
}

void PowerIcon(QPainter& p, QPointF c) {
    p.setPen(IconPen());
    p.setBrush(Qt::NoBrush);
    const QRectF ring(c.x() - 8.5, c.y() - 8, 17, 17);
    p.drawArc(ring, 125 * 16, 290 * 16);  // open at the top
    p.drawLine(QPointF(c.x(), c.y() - 10), QPointF(c.x(), c.y() - 1));
}

QImage TopButton(int width, int height, const QString& word,
                 const std::function<void(QPainter&, QPointF)>& icon, bool hover) {
    QImage image = Canvas(width, height);
    QPainter p(&image);
    Prepare(p);
    const double centre = 45.0;  // the pictures line up on the 53-pixel band
    icon(p, QPointF(std::min(centre, width / 2.0), 21));
    Text(p, QRectF(0, 33, std::min(width, 90), 16), word, Font(12), kDarkGrey);
    if (hover) p.fillRect(0, 0, width, 3, kYellow);
    return image;
}

// ---- small buttons ----------------------------------------------------

QImage StartButton(bool hover) {
    const int width = hover ? 71 : 72;
    QImage image = Canvas(width, 26);
    QPainter p(&image);
    Prepare(p);
    const QRectF body(0.5, 0.5, width - 1, 25);
    if (hover) {
        p.setPen(QPen(QColor(0xB4, 0xB4, 0xB4), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(body, 4, 4);
        Text(p, QRectF(0, 0, 71, 26), QStringLiteral("开始探测"), Font(13, true), kTextGrey);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(kYellow);
        p.drawRoundedRect(QRectF(0, 0, width, 26), 4, 4);
        // A faint shade under the white words keeps them readable on yellow.
        Text(p, QRectF(0, 1, 71, 26), QStringLiteral("开始探测"), Font(13, true), QColor(0xD9, 0xA8, 0x00));
        Text(p, QRectF(0, 0, 71, 26), QStringLiteral("开始探测"), Font(13, true), Qt::white);
    }
    return image;
}

QImage PopularLink(bool hover) {
    QImage image = Canvas(49, 11);
    QPainter p(&image);
    Prepare(p);
    const QColor colour = hover ? kDarkGrey : kYellow;
    Text(p, QRectF(0, -1, 49, 13), QStringLiteral("访问500px"), Font(10, true), colour);
    return image;
}

QImage CheckBox(bool ticked) {
    QImage image = Canvas(17, 17);
    QPainter p(&image);
    p.setPen(kOutline);
    p.drawRect(2, 2, 12, 12);  // one-pixel outline around 11 × 11, 13 × 13 in all
    if (ticked) {
        Prepare(p);
        QPen pen(QColor(0xA0, 0xA0, 0xA0), 2);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        const QPointF tick[] = {{5.0, 8.5}, {7.5, 11.0}, {12.0, 5.5}};
        p.drawPolyline(tick, 3);
    }
    return image;
}

// The yellow ring of a focused edit box, around the field's grey.
QImage FocusFrame(int width, int height, QRectF outer) {
    QImage image = Canvas(width, height);
    QPainter p(&image);
    Prepare(p);
    p.setPen(Qt::NoPen);
    p.setBrush(kYellow);
    p.drawRoundedRect(outer, 5, 5);
    p.setBrush(kField);
    p.drawRoundedRect(outer.adjusted(2, 2, -2, -2), 3, 3);
    return image;
}

// ---- icon and logo ----------------------------------------------------

void Badge(QPainter& p, QPointF c, double r) {
    QRadialGradient shine(c.x() - r * 0.3, c.y() - r * 0.4, r * 1.4);
    shine.setColorAt(0, QColor(0xFF, 0xE8, 0x5A));
    shine.setColorAt(1, QColor(0xF7, 0xC8, 0x00));
    p.setPen(QPen(QColor(0xE3, 0xB2, 0x00), std::max(1.0, r / 16)));
    p.setBrush(shine);
    p.drawEllipse(c, r, r);
    Text(p, QRectF(c.x() - r, c.y() - r * 1.05, 2 * r, 2 * r), QStringLiteral("Kx"),
         Font(static_cast<int>(r * 0.95), true), kInk);
}

QImage Icon() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    Prepare(p);
    Badge(p, QPointF(32, 32), 30);
    return image;
}

// ---- background -------------------------------------------------------

void Mountains(QPainter& p, double baseY, double height, QColor colour, double phase) {
    QPainterPath ridge;
    ridge.moveTo(0, 608);
    for (int x = 0; x <= 851; x += 6) {
        const double y = baseY - height * (0.55 + 0.3 * std::sin(x / 97.0 + phase) +
                                           0.15 * std::sin(x / 31.0 + phase * 2));
        ridge.lineTo(x, y);
    }
    ridge.lineTo(851, 608);
    ridge.closeSubpath();
    p.fillPath(ridge, colour);
}

// A tilted photo print with a little landscape, scattered round the panel.
void Print(QPainter& p, QPointF centre, double angle, double size) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF card(-size / 2, -size * 0.6, size, size * 1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xB0, 0x80, 0x00, 40));
    p.drawRoundedRect(card.translated(2, 3), 3, 3);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(card, 3, 3);
    const QRectF photo = card.adjusted(size * 0.1, size * 0.1, -size * 0.1, -size * 0.35);
    p.setBrush(QColor(0xFF, 0xE0, 0x40));
    p.drawRect(photo);
    QPainterPath hill;
    hill.moveTo(photo.bottomLeft());
    hill.lineTo(photo.left() + photo.width() * 0.35, photo.top() + photo.height() * 0.45);
    hill.lineTo(photo.left() + photo.width() * 0.6, photo.top() + photo.height() * 0.75);
    hill.lineTo(photo.left() + photo.width() * 0.78, photo.top() + photo.height() * 0.55);
    hill.lineTo(photo.bottomRight());
    hill.closeSubpath();
    p.fillPath(hill, QColor(0xE8, 0xB0, 0x00));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(photo.right() - photo.width() * 0.25, photo.top() + photo.height() * 0.28),
                  size * 0.07, size * 0.07);
    p.restore();
}

void Backdrop(QPainter& p) {
    const QRectF area(1, 64, 849, 543);
    QLinearGradient sky(0, 64, 0, 607);
    sky.setColorAt(0, QColor(0xFF, 0xDF, 0x2E));
    sky.setColorAt(1, kYellow);
    p.fillRect(area, sky);

    p.save();
    p.setClipRect(area);
    // A low sun at the top left and soft rings of light.
    QRadialGradient sun(60, 110, 130);
    sun.setColorAt(0, QColor(0xFF, 0xF4, 0x9A, 230));
    sun.setColorAt(0.45, QColor(0xFF, 0xEC, 0x70, 120));
    sun.setColorAt(1, QColor(0xFF, 0xE6, 0x50, 0));
    p.fillRect(area, sun);
    p.setPen(QPen(QColor(255, 255, 255, 70), 2));
    p.setBrush(Qt::NoBrush);
    for (int r : {150, 210, 270}) p.drawEllipse(QPointF(820, 120), r, r);

    Mountains(p, 560, 120, QColor(0xF7, 0xC8, 0x08), 0.4);
    Mountains(p, 600, 80, QColor(0xEE, 0xB9, 0x00), 2.1);

    // Dotted grain in the side margins.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    for (int y = 80; y < 600; y += 14)
        for (int x = 10; x < 851; x += 14)
            if ((x < 58 || x > 792) && ((x + y) / 14) % 3 == 0) p.drawEllipse(QPointF(x, y), 1.4, 1.4);

    Print(p, QPointF(30, 250), -12, 46);
    Print(p, QPointF(36, 470), 9, 38);
    Print(p, QPointF(822, 330), 14, 48);
    Print(p, QPointF(815, 520), -8, 36);
    p.restore();
}

void Panel(QPainter& p) {
    const QRectF panel(64, 106, 723, 461);
    p.setPen(Qt::NoPen);
    for (int i = 6; i >= 1; --i) {  // soft shadow
        p.setBrush(QColor(0xA0, 0x70, 0x00, 10));
        p.drawRoundedRect(panel.adjusted(-i, -i + 3, i, i + 3), 8 + i, 8 + i);
    }
    p.setBrush(Qt::white);
    p.drawRoundedRect(panel, 8, 8);

    Text(p, QRectF(198, 118, 450, 26), QStringLiteral("粘贴 500px 页面地址，一键保存页面中的全部图片"),
         Font(15, true), kInk, Qt::AlignLeft | Qt::AlignVCenter);
    p.fillRect(QRectF(198, 146, 36, 3), kYellow);

    Text(p, QRectF(100, 166, 86, 26), QStringLiteral("页面地址"), Font(13), kDarkGrey,
         Qt::AlignRight | Qt::AlignVCenter);
    Text(p, QRectF(100, 216, 86, 26), QStringLiteral("探测日志"), Font(13), kDarkGrey,
         Qt::AlignRight | Qt::AlignVCenter);

    p.setPen(Qt::NoPen);
    p.setBrush(kField);
    p.drawRoundedRect(QRectF(198, 166, 450, 26), 4, 4);
    p.drawRoundedRect(QRectF(198, 216, 450, 242), 4, 4);

    // The option captions, right of their check boxes.
    const QFont caption = Font(12);
    Text(p, QRectF(362, 488, 120, 18), QStringLiteral("过滤小于200KB的资源"), caption, kDarkGrey,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRectF(504, 488, 151, 18), QStringLiteral("保留更多资源以提高兼容性"), caption, kDarkGrey,
         Qt::AlignLeft | Qt::AlignVCenter);

    p.fillRect(QRectF(84, 530, 683, 1), QColor(0xEC, 0xEC, 0xEC));
    Text(p, QRectF(84, 536, 683, 22), QStringLiteral("每次探测的图片存放在程序旁以开始时间命名的文件夹中"),
         Font(11), QColor(0xA0, 0xA0, 0xA0));
}

void TopBand(QPainter& p) {
    p.fillRect(QRectF(1, 1, 849, 63), Qt::white);
    Badge(p, QPointF(77, 28), 18);
    Text(p, QRectF(102, 9, 150, 24), QStringLiteral("Kestrix"), Font(21, true), kInk,
         Qt::AlignLeft | Qt::AlignVCenter);
    Text(p, QRectF(102, 33, 160, 14), QStringLiteral("输入URL即可一键下载500px图片"), Font(10),
         QColor(0x88, 0x88, 0x88), Qt::AlignLeft | Qt::AlignVCenter);

    // The yellow square with the magnifier, right of the three buttons.
    p.fillRect(QRectF(739, 4, 46, 46), kLightYellow);
    QPen pen(kDarkGrey, 2.6);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(759, 24), 8.5, 8.5);
    p.drawLine(QPointF(765.5, 30.5), QPointF(772, 37));
    p.setPen(Qt::NoPen);
}

QImage Background() {
    QImage image = Canvas(851, 608);
    QPainter p(&image);
    Prepare(p);
    Backdrop(p);
    TopBand(p);
    Panel(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(kYellow);
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, 850, 607);  // the one-pixel edge line
    return image;
}

bool Save(const QString& folder, const char* name, const QImage& image) {
    const QString path = folder + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (!QFontDatabase::families().contains(kFamily)) {
        std::fprintf(stderr, "the font %s is missing (fonts-wqy-microhei)\n", qPrintable(kFamily));
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    ok &= Save(folder, "background", Background());
    ok &= Save(folder, "popular_link", PopularLink(false));
    ok &= Save(folder, "popular_link_hover", PopularLink(true));
    ok &= Save(folder, "exit", TopButton(87, 56, QStringLiteral("退出"), PowerIcon, false));
    ok &= Save(folder, "exit_hover", TopButton(87, 56, QStringLiteral("退出"), PowerIcon, true));
    ok &= Save(folder, "home", TopButton(90, 53, QStringLiteral("首页"), StarIcon, false));
    ok &= Save(folder, "home_hover", TopButton(90, 53, QStringLiteral("首页"), StarIcon, true));
    ok &= Save(folder, "help", TopButton(90, 53, QStringLiteral("帮助"), HelpIcon, false));
    ok &= Save(folder, "help_hover", TopButton(90, 53, QStringLiteral("帮助"), HelpIcon, true));
    ok &= Save(folder, "start", StartButton(false));
    ok &= Save(folder, "start_hover", StartButton(true));
    ok &= Save(folder, "ticked_box", CheckBox(true));
    ok &= Save(folder, "empty_box", CheckBox(false));
    ok &= Save(folder, "input_frame", FocusFrame(460, 39, QRectF(4, 7, 450, 26)));
    ok &= Save(folder, "log_frame", FocusFrame(467, 262, QRectF(8, 8, 450, 242)));
    ok &= Save(folder, "icon", Icon());
    return ok ? 0 : 1;
}
