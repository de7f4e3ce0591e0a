package org.bukkit.conversations;

import java.util.EventListener;

/** Told when a conversation ends, by its last step or by a canceller. */
public interface ConversationAbandonedListener extends EventListener {
    void conversationAbandoned(ConversationAbandonedEvent abandonedEvent);
}
