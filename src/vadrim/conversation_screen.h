// The Vadrim conversation screen, SceneCode 10 (module D10): D10_Step runs the stage
// on the scenario engine; its hover is D10_Hover (conversation_hover.h) and its
// frames are the scenario engine's ScenarioFrameDispatch.
//
//   state 0   entry: step 0 starts on the test stage, step 10 on StageNumber
//   state 5   step 0 leaves automatic reading; step 1 resets the balloons and
//             simultaneous tables and pushes the stage's script
//   state 10  one script line per click or tick (step -1: the click-wait position)
//
// Entries: (0, 10) from the title, the board game and the menu's restart; (5, 0) from
// the galleries; (5, 1) from the story flow, which keeps automatic reading going.
#pragma once

void D10_Step();

void RegisterVadrimConversation();
