#include "runtime/boxes/dialog_boxes.h"
#include "ui/main/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Orbel Lens Calculator"));

    orbel::DialogBoxes boxes;
    orbel::Form1 form1(boxes);
    boxes.setParent(&form1);
    form1.show();
    return QApplication::exec();
}
