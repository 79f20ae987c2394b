// Vantrl32, the main program.
#include "Forms/ProgrammStart.h"

int main(int argc, char** argv)
{
    return ProgrammStart(argc, argv);
}
