package net.cubeworks.world.game.api;

import java.util.concurrent.Callable;
import java.util.function.IntConsumer;
import java.util.function.IntSupplier;
import java.util.function.Supplier;

import org.bukkit.Difficulty;
import org.bukkit.Location;
import org.bukkit.World;

import net.cubeworks.world.game.world.LevelState;

/**
 * The world's spawn point, seed and difficulty as plugins read and change them: read under the
 * world lock from the level, changed on the game thread through the game's own spawn and
 * difficulty.
 */
public final class ApiWorldSettings {
    private final ApiChanges changes;
    private final Object lock;
    private final Supplier<LevelState> level;
    private final SpawnPoint spawn;
    private final IntSupplier difficulty;
    private final IntConsumer setDifficulty;

    ApiWorldSettings(ApiChanges changes, Object lock, Supplier<LevelState> level, SpawnPoint spawn,
            IntSupplier difficulty, IntConsumer setDifficulty) {
        this.changes = changes;
        this.lock = lock;
        this.level = level;
        this.spawn = spawn;
        this.difficulty = difficulty;
        this.setDifficulty = setDifficulty;
    }

    Location spawn(World face) {
        synchronized (lock) {
            LevelState l = level.get();
            return new Location(face, l.spawnX, l.spawnY, l.spawnZ);
        }
    }

    boolean setSpawn(final int x, final int y, final int z) {
        return changes.call(new Callable<Boolean>() {
            public Boolean call() {
                spawn.moveTo(x, y, z);
                return true;
            }
        });
    }

    /** The world's seed, as level.dat keeps it (the level-seed setting made it when the world was new). */
    long seed() {
        synchronized (lock) {
            return level.get().seed;
        }
    }

    void setDifficulty(Difficulty d) {
        if (d != null) {
            setDifficulty.accept(d.getValue());
        }
    }

    Difficulty difficulty() {
        Difficulty d = Difficulty.getByValue(difficulty.getAsInt());
        return d == null ? Difficulty.EASY : d;
    }
}
