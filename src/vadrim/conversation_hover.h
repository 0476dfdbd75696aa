// The Vadrim conversation screen's hover (module D10): while a two-option choice is
// shown (ButtonMode 20) the highlight frame on layer 17 follows the option under
// the pointer. The Skelvane conversation uses it as its own hover.
#pragma once

void D10_Hover();
