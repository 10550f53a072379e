#include "dorvic/ui/dorvic.h"

int main(int argc, char **argv)
{
    return rt::runProgram(argc, argv, "dorvic", [] { return std::make_unique<dorvic::Dorvic>(); });
}
