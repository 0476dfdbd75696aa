// The Marbrook conversation layout (C15_LayoutInit, the ConversationHooks LayoutInit
// member) and balloon styles (C15_BalloonStyle, the ModeHooks BalloonStyle member):
// the numbers the scenario engine lays a Marbrook conversation out with.
//
// A script line chooses a balloon with "フ種=(kind,style,tail)" and its font with
// "フFo"; C15_BalloonStyle turns kind and style into the balloon's size, its place
// beside the face and its tail, before the engine places the balloon.
#pragma once

// Fills the layout tables once before a conversation starts: the simultaneous
// tables (chain length 3), the background picture table, the narration layer, the
// balloon frame and the thought bubbles.
void C15_LayoutInit();
// Reads LineCode MainParam (kind) and SubParam (style); writes the balloon geometry
// words and TextFontSize / LineHeight.
void C15_BalloonStyle();
