#include <allegro.h>

#include "game/app/startup.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  return Kest::RunGame(Platform::JoinArguments(argc, argv));
}
END_OF_MAIN()
