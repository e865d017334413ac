#include "app/Program.h"

int main(int argc, char* argv[])
{
    return quibbler::runProgram(argc, argv);
}
