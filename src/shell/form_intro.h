// The intro window: fifteen letter pictures from the image asset file drop into place one after
// another on a 20 ms timer, and the window closes itself once they are all at rest (after tick
// 170). It never stands in the user's way: any key or click ends it at once, except Alt+F4,
// which is swallowed.
#pragma once

#include <QDialog>
#include <QImage>
#include <QTimer>
#include <array>
#include <cstdint>
#include <string>

#include "shell/datamodule_ymks2bmp.h"

class Tform_intro : public QDialog {
public:
    struct tletter {
        int16_t y = 0;   // top edge
        int16_t vy = 0;  // vertical speed
        uint8_t active = 0;
        int16_t x = 0;   // left edge
        uint16_t height = 0;
        uint16_t width = 0;
        int16_t vx = 0;  // horizontal speed
        uint8_t extra_step = 0;
    };

    static constexpr int32_t letter_count = 15;
    static constexpr int32_t client_width = 1282;
    static constexpr int32_t client_height = 699;
    static constexpr int32_t interval_ms = 20;
    static constexpr int32_t last_tick = 170;
    // The asset file's image for each letter. The images are in reading order ("VELMOR",
    // the space, "ACCOUNTS"); the launch table drops letters 0-7 onto the lower line and 8-14
    // onto the upper one.
    static constexpr std::array<int32_t, letter_count> letter_images = {7, 8, 10, 9, 12, 13, 11, 14,
                                                                         0, 1, 2, 3, 4, 5, 6};

    explicit Tform_intro(QWidget* aparent = nullptr);
    ~Tform_intro() override;

    // Reads the letters' pictures; raises the decoder's errors.
    void load_assets(const std::string& afilename);
    // The first showing: maximised on a 1280 x 720 screen, the letters' sizes taken from their
    // pictures, the timer started (tests tick by hand with as_timer false).
    void start(bool as_timer = true);
    // One timer tick: launches, moves and draws the letters; closes the window after tick 170
    // once no letter is active.
    void tick();
    // For a script: the timer stops when it reaches atick (0: runs on to the end).
    void run_until(int32_t atick);

    int32_t tick_count() const { return ftick_count; }
    bool is_finished() const { return ffinished; }
    const tletter& letter(int32_t aindex) const { return fletters[static_cast<size_t>(aindex)]; }
    const QImage& backing() const { return fbacking; }

    // The intro window now open, if any.
    static Tform_intro* current();
    // Opens the intro modally over aparent from the asset file, freed when it closes. A missing
    // or damaged file is logged and nothing is shown: the program's start matters more than its
    // greeting. Answers the window, or nullptr.
    static Tform_intro* run(QWidget* aparent, const std::string& aasset_file);

protected:
    void showEvent(QShowEvent* aevent) override;
    void paintEvent(QPaintEvent* aevent) override;
    void resizeEvent(QResizeEvent* aevent) override;
    void keyPressEvent(QKeyEvent* aevent) override;
    void mousePressEvent(QMouseEvent* aevent) override;
    void closeEvent(QCloseEvent* aevent) override;

private:
    void launch(int32_t atick);
    void move_letter(int32_t aindex);
    void fill_background(int32_t aleft, int32_t atop, int32_t aright, int32_t abottom);
    void finish();

    std::array<tletter, letter_count> fletters{};
    std::array<QImage, letter_count> fpictures;
    Tdatamodule_ymks2bmp fimages;
    QImage fbacking;
    QTimer ftimer;
    int32_t ftick_count = 0;
    int32_t fpause_at = 0;
    bool fstarted = false;
    bool ffinished = false;
};
