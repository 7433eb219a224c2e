#include "web/app/OwnerViewMain.h"

int main(int argc, char* argv[])
{
    return ownerViewMain(argc, argv);
}
