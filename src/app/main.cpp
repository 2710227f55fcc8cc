#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("qvxconsole");
    QApplication::setApplicationVersion(QVX_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("Quorvantix Console: the operator's console of the Quorvantix quiz buzzer system.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
    return 0;
}
