package org.bukkit.util.io;

import java.io.IOException;
import java.io.ObjectOutputStream;
import java.io.OutputStream;

import org.bukkit.configuration.serialization.ConfigurationSerializable;

/** An object stream that writes the API's configuration-serializable values (items, locations, ...) too. */
public class BukkitObjectOutputStream extends ObjectOutputStream {
    protected BukkitObjectOutputStream() throws IOException, SecurityException {
        super();
        super.enableReplaceObject(true);
    }

    public BukkitObjectOutputStream(OutputStream out) throws IOException {
        super(out);
        super.enableReplaceObject(true);
    }

    @Override
    protected Object replaceObject(Object obj) throws IOException {
        if (!(obj instanceof java.io.Serializable) && obj instanceof ConfigurationSerializable) {
            return Wrapper.of((ConfigurationSerializable) obj);
        }
        return super.replaceObject(obj);
    }
}
