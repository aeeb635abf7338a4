#include "runtime/boxes/dialog_boxes.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Orbel Lens Calculator"));
    QApplication::setApplicationVersion(QStringLiteral(ORBEL_VERSION));
    QApplication::setOrganizationName(QStringLiteral(ORBEL_ORGANISATION));
    // Both windows and the About window's picture take the program's icon.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbel-lens-calculator.png")));

    orbel::DialogBoxes boxes;
    orbel::Form1 form1(
        boxes, [&boxes] { boxes.messageBox("System Information Is Unavailable At This Time"); });
    boxes.setParent(&form1);
    form1.show();
    return QApplication::exec();
}
