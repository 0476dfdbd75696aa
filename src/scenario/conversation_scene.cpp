#include "scenario/conversation_scene.h"

ConversationSceneRecord ConversationScene;

namespace {
std::array<ConversationHookSet, 4> conversationHooks;
}

ConversationHookSet& ConversationHooksFor(ModeId id) { return conversationHooks[static_cast<size_t>(id)]; }

void ResetConversationSceneState() { ConversationScene = ConversationSceneRecord{}; }
