package org.bukkit.metadata;

/** Thrown when a lazy metadata value's callable failed; the cause is the plugin's exception. */
@SuppressWarnings("serial")
public class MetadataEvaluationException extends RuntimeException {
    MetadataEvaluationException(Throwable cause) {
        super(cause);
    }
}
