package org.bukkit.conversations;

/** No prefix at all. */
public class NullConversationPrefix implements ConversationPrefix {
    public String getPrefix(ConversationContext context) {
        return "";
    }
}
