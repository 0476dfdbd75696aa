#include "engine/system_menu.h"

SystemLayerSetRecord SystemLayerSet;
SystemMenuStateRecord SystemMenuState;

// The menu itself is not built yet: input for it goes nowhere.
void MenuInput(int /*kind*/) {}
void MenuHover(int /*kind*/) {}
void MenuAction(int /*code*/) {}
void SystemMenu(int /*kind*/, int& /*arg*/) {}

void ResetSystemMenuState() {
  SystemLayerSet = SystemLayerSetRecord{};
  SystemMenuState = SystemMenuStateRecord{};
}
