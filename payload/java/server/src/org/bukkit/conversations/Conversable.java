package org.bukkit.conversations;

/** Someone a plugin can hold a conversation with: a player (or the console). */
public interface Conversable {
    void abandonConversation(Conversation conversation);
    void abandonConversation(Conversation conversation, ConversationAbandonedEvent details);
    void acceptConversationInput(String input);
    boolean beginConversation(Conversation conversation);
    boolean isConversing();
    void sendRawMessage(String message);
}
