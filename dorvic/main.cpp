#include "dorvic/dorvic.h"
#include "runtime/messages.h"

int main(int argc, char **argv)
{
    return rt::runProgram(argc, argv, "dorvic", dorvic::start);
}
