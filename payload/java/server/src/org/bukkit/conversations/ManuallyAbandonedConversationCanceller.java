package org.bukkit.conversations;

/** Stands for a conversation the plugin ended itself; it never cancels on input. */
public class ManuallyAbandonedConversationCanceller implements ConversationCanceller {
    public void setConversation(Conversation conversation) {
    }

    public boolean cancelBasedOnInput(ConversationContext context, String input) {
        return false;
    }

    @Override
    public ConversationCanceller clone() {
        return new ManuallyAbandonedConversationCanceller();
    }
}
