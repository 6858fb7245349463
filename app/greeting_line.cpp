#include "app/greeting_line.h"

#include "app/builtin_addresses.h"

QString GreetingLine()
{
    return QStringLiteral("欢迎使用青岚播放器   官方网站") + BuiltinAddresses::MakerWebAddress +
           QStringLiteral("   QQ群:") + BuiltinAddresses::SupportGroupNumber;
}
