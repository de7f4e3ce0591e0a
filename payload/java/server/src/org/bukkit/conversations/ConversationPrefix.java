package org.bukkit.conversations;

/** The text put before every line a conversation shows. */
public interface ConversationPrefix {
    String getPrefix(ConversationContext context);
}
