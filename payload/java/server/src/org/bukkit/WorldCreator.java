package org.bukkit;

import java.util.Random;

import org.bukkit.command.CommandSender;
import org.bukkit.generator.ChunkGenerator;
import org.bukkit.plugin.Plugin;

/** What a new world is to be: its name, seed, dimension, type, generator and structures. */
public class WorldCreator {
    private final String name;
    private long seed;
    private World.Environment environment = World.Environment.NORMAL;
    private ChunkGenerator generator;
    private WorldType type = WorldType.NORMAL;
    private boolean generateStructures = true;

    public WorldCreator(String name) {
        if (name == null) {
            throw new IllegalArgumentException("World name cannot be null");
        }
        this.name = name;
        this.seed = new Random().nextLong();
    }

    /** Takes the seed, dimension, type and structures of an existing world. */
    public WorldCreator copy(World world) {
        if (world == null) {
            throw new IllegalArgumentException("World cannot be null");
        }
        seed = world.getSeed();
        environment = world.getEnvironment();
        generator = world.getGenerator();
        type = world.getWorldType();
        generateStructures = world.canGenerateStructures();
        return this;
    }

    public WorldCreator copy(WorldCreator creator) {
        if (creator == null) {
            throw new IllegalArgumentException("Creator cannot be null");
        }
        seed = creator.seed();
        environment = creator.environment();
        generator = creator.generator();
        type = creator.type();
        generateStructures = creator.generateStructures();
        return this;
    }

    public String name() {
        return name;
    }

    public long seed() {
        return seed;
    }

    public WorldCreator seed(long seed) {
        this.seed = seed;
        return this;
    }

    public World.Environment environment() {
        return environment;
    }

    public WorldCreator environment(World.Environment env) {
        this.environment = env;
        return this;
    }

    public WorldType type() {
        return type;
    }

    public WorldCreator type(WorldType type) {
        this.type = type;
        return this;
    }

    public ChunkGenerator generator() {
        return generator;
    }

    public WorldCreator generator(ChunkGenerator generator) {
        this.generator = generator;
        return this;
    }

    /** The generator a plugin names ("Plugin" or "Plugin:id"); null when the text is null. */
    public WorldCreator generator(String generator) {
        this.generator = getGeneratorForName(name, generator, Bukkit.getConsoleSender());
        return this;
    }

    public WorldCreator generator(String generator, CommandSender output) {
        this.generator = getGeneratorForName(name, generator, output);
        return this;
    }

    public WorldCreator generateStructures(boolean generate) {
        this.generateStructures = generate;
        return this;
    }

    public boolean generateStructures() {
        return generateStructures;
    }

    /** Has the server make or load the world; null where it cannot. */
    public World createWorld() {
        return Bukkit.createWorld(this);
    }

    public static WorldCreator name(String name) {
        return new WorldCreator(name);
    }

    /**
     * The generator that the named plugin gives for the world, from "Plugin" or "Plugin:id";
     * null, with a word to output, when the plugin is missing, disabled or gives none.
     */
    public static ChunkGenerator getGeneratorForName(String world, String name, CommandSender output) {
        if (name == null) {
            return null;
        }
        String[] split = name.split(":", 2);
        String id = split.length > 1 ? split[1] : null;
        Plugin plugin = Bukkit.getPluginManager().getPlugin(split[0]);
        if (plugin == null) {
            if (output != null) {
                output.sendMessage("Could not set generator for world '" + world + "': Plugin '" + split[0] + "' does not exist");
            }
            return null;
        }
        if (!plugin.isEnabled()) {
            if (output != null) {
                output.sendMessage("Could not set generator for world '" + world + "': Plugin '"
                        + plugin.getDescription().getFullName() + "' is not enabled");
            }
            return null;
        }
        // a plugin of the real API declares the generator it gives; asked for by name
        try {
            Object g = plugin.getClass().getMethod("getDefaultWorldGenerator", String.class, String.class)
                    .invoke(plugin, world, id);
            if (g instanceof ChunkGenerator) {
                return (ChunkGenerator) g;
            }
        } catch (ReflectiveOperationException ex) {
            // no such method: the plugin gives no generator
        }
        if (output != null) {
            output.sendMessage("Could not set generator for world '" + world + "': Plugin '"
                    + plugin.getDescription().getFullName() + "' does not contain a generator");
        }
        return null;
    }
}
