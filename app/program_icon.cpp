#include "app/program_icon.h"

QIcon ProgramIcon()
{
    static const QIcon icon = [] {
        QIcon made;
        for (int size : {16, 20, 24, 32, 40, 48, 64, 96, 128})
            made.addFile(QStringLiteral(":/assets/icon/icon_%1.png").arg(size), QSize(size, size));
        return made;
    }();
    return icon;
}
