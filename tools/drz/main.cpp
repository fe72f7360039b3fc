// drz — a command-line tool for the game's board files: show, solve, shuffle, check and generate.
#include "dispatch.h"

int main(int argc, char** argv) { return drz::tool::RunDrz(drz::tool::Words(argv + 1, argv + argc)); }
