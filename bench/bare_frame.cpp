// The floor for the first frame: a bare Qt 6 widget program that starts the way
// chartview-render does, draws an empty 779x530 widget offscreen and writes the frame as
// PNG. Usage: bare_frame OUT.png
#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QFile>
#include <QSaveFile>
#include <QWidget>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 64;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    char name[] = "";
    char* qtArgv[] = {name, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);
    QWidget widget;
    widget.resize(779, 530);
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    widget.render(&image);
    QSaveFile file(QFile::decodeName(argv[1]));
    if (!file.open(QIODevice::WriteOnly)) {
        return 73;
    }
    QImageWriter writer(&file, "png");
    return writer.write(image) && file.commit() ? 0 : 74;
}
