#include <QApplication>
#include <QIcon>

#include "TForm1.h"
#include "TForm2.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brelvo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brelvo.Brelvo"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/brelvo-32.png"));
    icon.addFile(QStringLiteral(":/brelvo-48.png"));
    QApplication::setWindowIcon(icon);

    brelvo::TForm1 form1;
    brelvo::TForm2 form2(form1.progress(), &form1);
    form1.SetProgressWindow(&form2);
    form1.show();
    return QApplication::exec();
}
