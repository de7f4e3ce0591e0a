package org.bukkit.conversations;

/**
 * One step of a conversation: the text it shows, whether it waits for the player's answer, and
 * the step that answer leads to ({@link #END_OF_CONVERSATION} ends it).
 */
public interface Prompt extends Cloneable {
    /** The step after the last one. */
    Prompt END_OF_CONVERSATION = null;

    Prompt acceptInput(ConversationContext context, String input);
    boolean blocksForInput(ConversationContext context);
    String getPromptText(ConversationContext context);
}
