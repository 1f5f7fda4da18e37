#include "app/shell/ProgramMain.h"

int main(int argc, char** argv) {
    return wsc::RunProgram(argc, argv);
}
