#include "shell/form_intro.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "shell/shell_log.h"

namespace {

Tform_intro* fcurrent_intro = nullptr;

const QColor background(212, 208, 200);

// Who is launched at which tick, from where and how fast (vy 0: keeps its 11).
struct tlaunch {
    int32_t tick, letter;
    int16_t y, x, vx, vy;
    uint8_t extra_step;
};

constexpr tlaunch launches[] = {
    {50, 0, -346, -44, 6, 0, 1},    {53, 1, -336, -56, 16, 0, 1},  {56, 2, -336, 150, 20, 0, 1},
    {59, 3, -336, 140, 12, 0, 1},   {62, 7, -336, 630, 24, 0, 1},  {65, 5, -306, 700, 14, 0, 1},
    {68, 4, -332, 640, 8, 0, 1},    {71, 6, -331, 720, -8, 0, 1},  {74, 8, -360, 600, -26, -17, 0},
    {77, 9, -322, 686, -20, -21, 0}, {80, 10, -186, 772, -16, -17, 0}, {83, 11, -153, 860, -12, -19, 0},
    {86, 13, 5, 938, -4, -35, 0},   {89, 12, -24, 990, -10, -46, 0}, {92, 14, -23, 660, -14, -43, 0},
};

bool is_modifier(int akey) {
    return akey == Qt::Key_Shift || akey == Qt::Key_Control || akey == Qt::Key_Alt || akey == Qt::Key_Meta ||
           akey == Qt::Key_AltGr || akey == Qt::Key_CapsLock || akey == Qt::Key_NumLock;
}

QImage to_image(const tymk_bitmap& abitmap) {
    if (abitmap.fwidth == 0 || abitmap.fheight == 0) return {};
    QImage image(abitmap.fpixels.data(), abitmap.fwidth, abitmap.fheight, abitmap.fwidth * 3, QImage::Format_BGR888);
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

Tform_intro::Tform_intro(QWidget* aparent) : QDialog(aparent) {
    setWindowTitle("Velmor Accounts");
    // A single border and no caption buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(client_width, client_height);
    move(0, 40);
    ftimer.setInterval(interval_ms);
    QObject::connect(&ftimer, &QTimer::timeout, this, [this] { tick(); });
    fcurrent_intro = this;
}

Tform_intro::~Tform_intro() {
    if (fcurrent_intro == this) fcurrent_intro = nullptr;
}

Tform_intro* Tform_intro::current() { return fcurrent_intro; }

void Tform_intro::load_assets(const std::string& afilename) {
    fimages.load_from_file(afilename);
    for (int32_t i = 0; i < letter_count; ++i) fpictures[i] = to_image(fimages.get_bitmap(letter_images[i]));
}

Tform_intro* Tform_intro::run(QWidget* aparent, const std::string& aasset_file) {
    auto* intro = new Tform_intro(aparent);
    try {
        intro->load_assets(aasset_file);
    } catch (const std::exception& e) {
        tshell_log::write(std::string("intro skipped: ") + e.what());
        delete intro;
        return nullptr;
    }
    intro->setAttribute(Qt::WA_DeleteOnClose);
    intro->setModal(true);
    intro->show();
    return intro;
}

void Tform_intro::start(bool as_timer) {
    if (fstarted) return;
    fstarted = true;
    if (QScreen* s = screen(); s && s->geometry().size() == QSize(1280, 720)) setWindowState(Qt::WindowMaximized);
    for (int32_t i = 0; i < letter_count; ++i) {
        fletters[i].vy = 11;
        fletters[i].height = static_cast<uint16_t>(fpictures[i].height());
        fletters[i].width = static_cast<uint16_t>(fpictures[i].width());
    }
    if (fbacking.size() != size()) {
        fbacking = QImage(size(), QImage::Format_RGB32);
        fbacking.fill(background);
    }
    if (as_timer) ftimer.start();
}

void Tform_intro::run_until(int32_t atick) {
    fpause_at = atick;
    if (fstarted && !ffinished && (atick == 0 || ftick_count < atick)) ftimer.start();
}

void Tform_intro::tick() {
    if (ffinished) return;
    ++ftick_count;
    if (fpause_at > 0 && ftick_count >= fpause_at) ftimer.stop();
    if (ftick_count < 50) return;
    launch(ftick_count);
    bool any_active = false;
    for (int32_t i = 0; i < letter_count; ++i) {
        if (!fletters[i].active) continue;
        move_letter(i);
        any_active = true;
    }
    if (!any_active && ftick_count > last_tick) finish();
}

void Tform_intro::launch(int32_t atick) {
    for (const tlaunch& l : launches) {
        if (l.tick != atick) continue;
        tletter& letter = fletters[l.letter];
        letter.y = l.y;
        letter.x = l.x;
        letter.vx = l.vx;
        if (l.vy != 0) letter.vy = l.vy;
        letter.extra_step = l.extra_step;
        letter.active = 1;
    }
}

// One move: the letter falls faster, the strips it leaves are cleared, it is drawn at its new
// place and drifts sideways; past its floor it stops (after one more move with extra-step).
void Tform_intro::move_letter(int32_t aindex) {
    tletter& l = fletters[aindex];
    const int32_t old_y = l.y, w = l.width, h = l.height;
    l.vy = static_cast<int16_t>(l.vy + 5);
    l.y = static_cast<int16_t>(l.y + l.vy);
    if (l.y < old_y) fill_background(l.x, l.y + h, l.x + w, old_y + h);
    else fill_background(l.x, old_y, l.x + w, l.y);
    if (l.vx <= 0) fill_background(l.x + w, old_y, l.x + w - l.vx, old_y + h);
    else fill_background(l.x - l.vx, old_y, l.x, old_y + h);
    if (!fpictures[aindex].isNull()) {
        QPainter painter(&fbacking);
        painter.drawImage(l.x, l.y, fpictures[aindex]);
    }
    update(QRect(l.x - std::abs(l.vx), std::min<int32_t>(old_y, l.y), w + 2 * std::abs(l.vx), h + std::abs(l.y - old_y)));
    l.x = static_cast<int16_t>(l.x + l.vx);
    const int32_t floor = aindex < 8 ? 560 - h : height() - h - 320;
    if (l.y > floor) {
        l.active = l.extra_step;
        l.extra_step = 0;
    }
}

void Tform_intro::fill_background(int32_t aleft, int32_t atop, int32_t aright, int32_t abottom) {
    if (aright <= aleft || abottom <= atop) return;
    QPainter painter(&fbacking);
    painter.fillRect(QRect(aleft, atop, aright - aleft, abottom - atop), background);
}

void Tform_intro::finish() {
    ffinished = true;
    ftimer.stop();
    close();
}

void Tform_intro::showEvent(QShowEvent* aevent) {
    QDialog::showEvent(aevent);
    start();
}

void Tform_intro::resizeEvent(QResizeEvent* aevent) {
    QDialog::resizeEvent(aevent);
    if (fbacking.isNull()) return;
    // Maximised: the letters so far stay where they are on a larger background.
    QImage larger(size(), QImage::Format_RGB32);
    larger.fill(background);
    QPainter(&larger).drawImage(0, 0, fbacking);
    fbacking = larger;
}

void Tform_intro::paintEvent(QPaintEvent* aevent) {
    QPainter painter(this);
    if (fbacking.isNull()) painter.fillRect(aevent->rect(), background);
    else painter.drawImage(aevent->rect(), fbacking, aevent->rect());
}

// Any key ends the intro, except a modifier on its own (the start of a chord) and Alt+F4.
void Tform_intro::keyPressEvent(QKeyEvent* aevent) {
    aevent->accept();
    if (is_modifier(aevent->key())) return;
    if (aevent->key() == Qt::Key_F4 && (aevent->modifiers() & Qt::AltModifier)) return;
    finish();
}

void Tform_intro::mousePressEvent(QMouseEvent* aevent) {
    aevent->accept();
    finish();
}

// The window manager's close (Alt+F4 on most desktops) is swallowed like the key.
void Tform_intro::closeEvent(QCloseEvent* aevent) {
    if (ffinished) {
        QDialog::closeEvent(aevent);
        if (fcurrent_intro == this) fcurrent_intro = nullptr;
        return;
    }
    aevent->ignore();
}
