package org.bukkit.conversations;

/** A step that only says something and leads on without waiting for an answer. */
public abstract class MessagePrompt implements Prompt {
    public boolean blocksForInput(ConversationContext context) {
        return false;
    }

    public Prompt acceptInput(ConversationContext context, String input) {
        return getNextPrompt(context);
    }

    protected abstract Prompt getNextPrompt(ConversationContext context);
}
