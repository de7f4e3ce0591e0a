package org.bukkit.conversations;

/** A step that takes any text as its answer. */
public abstract class StringPrompt implements Prompt {
    public boolean blocksForInput(ConversationContext context) {
        return true;
    }
}
