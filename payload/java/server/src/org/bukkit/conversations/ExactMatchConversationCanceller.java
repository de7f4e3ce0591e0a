package org.bukkit.conversations;

/** Ends a conversation when the answer is exactly the escape text (for example "quit"). */
public class ExactMatchConversationCanceller implements ConversationCanceller {
    private final String escapeSequence;

    public ExactMatchConversationCanceller(String escapeSequence) {
        this.escapeSequence = escapeSequence;
    }

    public void setConversation(Conversation conversation) {
    }

    public boolean cancelBasedOnInput(ConversationContext context, String input) {
        return escapeSequence.equals(input);
    }

    @Override
    public ConversationCanceller clone() {
        return new ExactMatchConversationCanceller(escapeSequence);
    }
}
