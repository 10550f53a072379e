#include "dorvic/ui/dorvic.h"
#include "scriptdriver.h"

#include <QApplication>

int main(int argc, char **argv)
{
    script::useOffscreenUnlessSet();
    rt::ensureRuntimeDir();
    QApplication app(argc, argv);
    return script::run(argc, argv, [] { return std::make_unique<dorvic::Dorvic>(); });
}
