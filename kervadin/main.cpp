#include "kervadin/kervadin.h"
#include "runtime/messages.h"

int main(int argc, char **argv)
{
    return rt::runProgram(argc, argv, "kervadin", kervadin::start);
}
