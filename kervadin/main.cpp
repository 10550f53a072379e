#include "kervadin/ui/kervadin.h"

int main(int argc, char **argv)
{
    return rt::runProgram(argc, argv, "kervadin",
                          [] { return std::make_unique<kervadin::Kervadin>(); });
}
