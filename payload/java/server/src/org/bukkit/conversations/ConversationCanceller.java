package org.bukkit.conversations;

/** Decides from each answer whether a conversation is abandoned; each conversation gets its own clone. */
public interface ConversationCanceller extends Cloneable {
    boolean cancelBasedOnInput(ConversationContext context, String input);
    ConversationCanceller clone();
    void setConversation(Conversation conversation);
}
