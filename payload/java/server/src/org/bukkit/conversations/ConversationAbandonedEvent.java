package org.bukkit.conversations;

import java.util.EventObject;

/** Tells how a conversation ended: by its last step (graceful), or by the canceller named. */
@SuppressWarnings("serial")
public class ConversationAbandonedEvent extends EventObject {
    private final ConversationContext context;
    private final ConversationCanceller canceller;

    public ConversationAbandonedEvent(Conversation conversation) {
        this(conversation, null);
    }

    public ConversationAbandonedEvent(Conversation conversation, ConversationCanceller canceller) {
        super(conversation);
        this.context = conversation.getContext();
        this.canceller = canceller;
    }

    /** The canceller that ended it, or null when it ran to its end. */
    public ConversationCanceller getCanceller() {
        return canceller;
    }

    public ConversationContext getContext() {
        return context;
    }

    /** Whether the conversation ran to its last step. */
    public boolean gracefulExit() {
        return canceller == null;
    }
}
