// The toolkit's floor: a window of the program's size holding one control
// of each kind the program uses, and nothing else. Start-up and memory of the
// program are measured against this.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(420, 324);
    auto* field = new QLineEdit(&window);
    field->setGeometry(232, 112, 49, 19);
    auto* label = new QLabel(QStringLiteral("Object Distance"), &window);
    label->setGeometry(144, 112, 81, 17);
    auto* group = new QGroupBox(QStringLiteral("Units"), &window);
    group->setGeometry(328, 32, 73, 121);
    auto* option = new QRadioButton(QStringLiteral("Meters"), group);
    option->setGeometry(8, 72, 57, 33);
    option->setChecked(true);
    auto* button = new QPushButton(QStringLiteral("Calculate"), &window);
    button->setGeometry(168, 208, 81, 33);
    window.show();
    return QApplication::exec();
}
