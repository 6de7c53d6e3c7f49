// form-preview FORM.form --mode viewport|controlclass|control --size WxH --out FILE.png
// Draws a page form's layout from its declarations alone, for people who edit forms.
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "controls/controls_registration.h"
#include "controls/design_render.h"
#include "controls/form_reader.h"
#include "shell/datamodule_images.h"
#include "shell/fonts.h"
#include "shell/qt_canvas.h"

namespace {

struct toptions {
    std::string form, out;
    trender_mode mode = rm_viewport;
    int width = 0, height = 0;
};

int usage(const char* amessage) {
    std::fprintf(stderr, "form-preview: %s\nusage: form-preview FORM.form --mode viewport|controlclass|control "
                         "--size WxH --out FILE.png\n", amessage);
    return 2;
}

// Returns an empty text when the options are good, else what is wrong.
std::string parse(int argc, char** argv, toptions& aoptions) {
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        bool has_value = i + 1 < argc;
        if (a == "--mode" && has_value) {
            std::string m = argv[++i];
            if (m == "viewport") aoptions.mode = rm_viewport;
            else if (m == "controlclass") aoptions.mode = rm_controlclass;
            else if (m == "control") aoptions.mode = rm_control;
            else return "unknown mode " + m;
        } else if (a == "--size" && has_value) {
            if (std::sscanf(argv[++i], "%dx%d", &aoptions.width, &aoptions.height) != 2 || aoptions.width <= 0 ||
                aoptions.height <= 0 || aoptions.width > 10000 || aoptions.height > 10000)
                return std::string("bad size ") + argv[i];
        } else if (a == "--out" && has_value) {
            aoptions.out = argv[++i];
        } else if (!a.starts_with("--") && aoptions.form.empty()) {
            aoptions.form = a;
        } else {
            return "unknown argument " + a;
        }
    }
    if (aoptions.form.empty() || aoptions.out.empty()) return "a form and --out are needed";
    return "";
}

}  // namespace

int main(int argc, char** argv) {
    toptions options;
    std::string problem = parse(argc, argv, options);
    if (!problem.empty()) return usage(problem.c_str());
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    tshell_fonts::register_fonts();
    try {
        std::ifstream in(options.form, std::ios::binary);
        if (!in) throw tvelmor_exception("Cannot read %s.", options.form);
        std::stringstream text;
        text << in.rdbuf();
        register_controls_classes();
        register_renderers();
        static std::string root_class;  // the registry keeps the name
        root_class = tform_reader::root_class(text.str());
        register_form_class_if_page(root_class.c_str());
        std::unique_ptr<tdfm_form> form = tform_reader::read(text.str(), options.form);
        if (options.width == 0) {
            options.width = form->ClientWidth > 0 ? form->ClientWidth : 800;
            options.height = form->ClientHeight > 0 ? form->ClientHeight : 600;
        }
        QImage image(options.width, options.height, QImage::Format_RGB32);
        image.fill(QColor(212, 208, 200));
        tqt_canvas canvas(&image);
        Tdatamodule_images images;
        canvas.set_icon_source(&images);
        tvelmor_design_render2 preview(*form, options.mode);
        preview.draw(canvas, static_cast<int16_t>(options.width), static_cast<int16_t>(options.height));
        if (!image.save(QString::fromStdString(options.out), "PNG"))
            throw tvelmor_exception("Cannot write %s.", options.out);
    } catch (const tvelmor_exception& e) {
        std::fprintf(stderr, "form-preview: %s\n", e.what());
        return 1;
    }
    return 0;
}
