#include "ui/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tarvisol::ui::Form1 form1;
    form1.show();
    return QApplication::exec();
}
